// A busy ACT!, a hung ACT! and another run holding the run lock, on the simulated desktop with
// its simulated clock: the default waiting times, how often the program tries again and asks,
// and what each answer leads to. (The Wine scenarios show the same with shortened times.)
#include <gtest/gtest.h>

#include <cwchar>
#include <optional>
#include <ostream>
#include <string>

#include "WechselTestBasis.h"
#include "act/ACTGeduld.h"
#include "act/Wartezeiten.h"
#include "act/clACTApplication.h"
#include "meldungen/Meldungen.h"
#include "platform/Automation.h"
#include "platform/MessageBox.h"
#include "platform/Waiting.h"
#include "sim/desktop/SimAct.h"
#include "sim/desktop/SimAutomation.h"
#include "sim/desktop/SimShell.h"

namespace {

namespace sim = platform::sim;
using platform::Text;
using platform::actmodel::kNever;

constexpr std::int32_t kJa = platform::kIdYes;
constexpr std::int32_t kNein = platform::kIdNo;

using meldungen::Id;
const Text kBeschaeftigt = meldungen::Wortlaut(Id::ACTBeschaeftigt);
const Text kAntwortetNicht = meldungen::Wortlaut(Id::ACTAntwortetNicht);
const Text kHatNichtGeantwortet = meldungen::Wortlaut(Id::ACTHatNichtGeantwortet);
const Text kAndererLauf = meldungen::Wortlaut(Id::AndererLaufWartet);
const Text kAndererLaufNichtBeendet = meldungen::Wortlaut(Id::AndererLaufNichtBeendet);
const Text kWeiterhinBeschaeftigt = meldungen::Wortlaut(Id::ACTWeiterhinBeschaeftigt);
const Text kInformationen = meldungen::Titel(Id::Informationen, {L"Quendelhof"});

enum class Vorgang { Wechsel, Ansichtstyp, Fortschritt };

class WartenTest : public testsupport::WechselTestBasis {
  protected:
    void SetUp() override {
        WechselTestBasis::SetUp();
        StartAct();
    }

    // The texts of the boxes shown, in order.
    std::vector<Text> BoxTexts() const {
        std::vector<Text> texts;
        for (const sim::MessageBoxRecord& box : Boxes()) {
            texts.push_back(box.title == L"Quendelhof" ? box.text : box.title);
        }
        return texts;
    }

    // Each question is a Yes/No box with the exclamation mark, each farewell an OK box with it,
    // all of them in front of ACT!; the busy question comes to the foreground without staying
    // on top of the dialog in ACT! that it asks to close.
    void ExpectStyles() {
        for (const sim::MessageBoxRecord& box : Boxes()) {
            if (box.text == kBeschaeftigt) {
                EXPECT_EQ(box.style, platform::kMbYesNo | platform::kMbIconExclamation |
                                         platform::kMbSetForeground);
            } else if (box.text == kAntwortetNicht || box.text == kAndererLauf) {
                EXPECT_EQ(box.style,
                          platform::kMbYesNo | platform::kMbIconExclamation | platform::kMbInFront);
            } else if (box.text == kHatNichtGeantwortet || box.text == kAndererLaufNichtBeendet ||
                       box.text == kWeiterhinBeschaeftigt) {
                EXPECT_EQ(box.style,
                          platform::kMbOk | platform::kMbIconExclamation | platform::kMbInFront);
            }
        }
    }

    // The switch, or an operation of the class on objects that ACT! hands out: the view type
    // (the active view), the current lookup with a progress display that came from a server
    // through the same patience. 0 when it did its work, else the exit code of the end.
    int Ausfuehren(Vorgang vorgang) {
        if (vorgang == Vorgang::Wechsel) {
            return Run(kAlles);
        }
        try {
            clACTApplication act;
            if (vorgang == Vorgang::Ansichtstyp) {
                return act.aktuellerViewTyp() == platform::actmodel::kContactViewType ? 0 : 1;
            }
            sim::RegisterServer(L"Quendelhof.TestStatus",
                                [] { return sim::Act().CreateStatusObject(); });
            sim::Act().AddContact(L"K1");
            act.getIDsAktuelleSuche(actgeduld::ErzeugeAnwendung(L"Quendelhof.TestStatus"));
            return Act().statusWrites > 0 ? 0 : 1;
        } catch (const platform::ProcessEnded& ende) {
            return ende.exitCode;
        }
    }

    void ExpectSwitched() {
        EXPECT_EQ(Act().openDatabase, kNeu);
        EXPECT_EQ(DatabaseSetting(L"Group Layout"), kGruppe + Text(1, L'\0'));
    }
};

// ACT! rejecting calls for a while: tried again every 250 ms for 10 s, then the question.
struct BusyCase {
    const char* name;
    std::optional<Text> member;  // nothing: every call and the creation of the application
    std::int64_t forMs;
    std::vector<std::int32_t> answers;
    std::vector<Text> boxes;
    int rejected;  // how many calls ACT! rejected
    int exitCode;
    Vorgang vorgang = Vorgang::Wechsel;
};

class BeschaeftigtesACTTest : public WartenTest, public ::testing::WithParamInterface<BusyCase> {};

TEST_P(BeschaeftigtesACTTest, TriesAgainThenAsks) {
    const BusyCase& c = GetParam();
    if (c.member) {
        Act().busyMembers[*c.member] = {c.forMs, std::nullopt};
    } else {
        Act().busy = platform::actmodel::BusySpell{c.forMs, std::nullopt};
    }
    for (std::int32_t answer : c.answers) {
        sim::Boxes().script.push_back(answer);
    }
    EXPECT_EQ(Ausfuehren(c.vorgang), c.exitCode);
    EXPECT_EQ(BoxTexts(), c.boxes);
    ExpectStyles();
    EXPECT_EQ(Act().rejectedCalls, c.rejected);
    // The window messages were dispatched while the program waited between the tries.
    EXPECT_GE(sim::Messages().dispatches, sim::Clock().pauses);
    if (c.exitCode != 0) {
        EXPECT_FALSE(AnythingWritten());
    } else if (c.vorgang == Vorgang::Wechsel) {
        ExpectSwitched();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, BeschaeftigtesACTTest,
    ::testing::Values(
        // Rejected at 0, 250, ..., 9500 ms; taken at 9750 ms.
        BusyCase{"UnderTenSecondsUnseen", L"App.CloseDB", 9750, {}, {}, 39, 0},
        // Rejected up to 10000 ms, then the question; Yes, and it is taken at 10250 ms.
        BusyCase{"LongerAnsweredYes", L"App.CloseDB", 10100, {kJa}, {kBeschaeftigt}, 42, 0},
        BusyCase{"ForEverAnsweredYesThenNo",
                 L"App.CloseDB",
                 kNever,
                 {kJa, kNein},
                 {kBeschaeftigt, kBeschaeftigt, kWeiterhinBeschaeftigt},
                 82,
                 2},
        BusyCase{"CreationForEverAnsweredNo",
                 std::nullopt,
                 kNever,
                 {kNein},
                 {kBeschaeftigt, kWeiterhinBeschaeftigt},
                 41,
                 2},
        // Objects that ACT! hands out are called with the same patience.
        BusyCase{"ActiveViewAnsweredYes",
                 L"ActiveView.Type",
                 10100,
                 {kJa},
                 {kBeschaeftigt},
                 42,
                 0,
                 Vorgang::Ansichtstyp},
        BusyCase{"ProgressDisplayForEverAnsweredNo",
                 L"Status.PutDefault",
                 kNever,
                 {kNein},
                 {kBeschaeftigt, kWeiterhinBeschaeftigt},
                 41,
                 2,
                 Vorgang::Fortschritt}),
    [](const ::testing::TestParamInfo<BusyCase>& info) { return info.param.name; });

// A call that does not return: the question after 30 s, again after each Yes.
struct HangCase {
    const char* name;
    const wchar_t* member;
    std::int64_t takesMs;
    std::vector<std::int32_t> answers;  // none left: the question is answered No
    std::vector<Text> boxes;
    int exitCode;
    bool layoutsWritten;
    int made;  // the objects ACT! made for the run: nothing reached ACT! after its end
    const wchar_t* waitVariable = nullptr;
    Vorgang vorgang = Vorgang::Wechsel;
};

class HaengendesACTTest : public WartenTest, public ::testing::WithParamInterface<HangCase> {};

TEST_P(HaengendesACTTest, AsksOncePerPeriodAndEndsOnNo) {
    const HangCase& c = GetParam();
    Act().delays[c.member] = c.takesMs;
    if (c.waitVariable != nullptr) {
        sim::Program().environment[wartezeiten::kVariable] = c.waitVariable;
    }
    for (std::int32_t answer : c.answers) {
        sim::Boxes().script.push_back(answer);
    }
    EXPECT_EQ(Ausfuehren(c.vorgang), c.exitCode);
    EXPECT_EQ(BoxTexts(), c.boxes);
    ExpectStyles();
    EXPECT_EQ(AnythingWritten(), c.layoutsWritten);
    EXPECT_EQ(Act().objectsMade, c.made);
    if (c.exitCode == 0 && c.vorgang == Vorgang::Wechsel) {
        ExpectSwitched();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, HaengendesACTTest,
    ::testing::Values(
        HangCase{"UnderTheLimitUnseen", L"App.CloseDB", 29000, {}, {}, 0, true, 5},
        HangCase{
            "OverTheLimitAnsweredYes", L"App.CloseDB", 31000, {kJa}, {kAntwortetNicht}, 0, true, 5},
        HangCase{"TwoPeriodsAnsweredYesTwice",
                 L"App.OpenDB",
                 65000,
                 {kJa, kJa},
                 {kAntwortetNicht, kAntwortetNicht},
                 0,
                 true,
                 5},
        HangCase{"NeverAnsweredYesThenNo",
                 L"App.CloseDB",
                 kNever,
                 {kJa, kNein},
                 {kAntwortetNicht, kAntwortetNicht, kHatNichtGeantwortet},
                 2,
                 false,
                 4},
        HangCase{"VersionNeverAnsweredNo",
                 L"App.GetVersion",
                 kNever,
                 {kNein},
                 {kAntwortetNicht, kHatNichtGeantwortet},
                 2,
                 false,
                 1},
        // No one to answer: the question counts as No.
        HangCase{"OpenNeverWithoutAnAnswerAfterTheLayouts",
                 L"App.OpenDB",
                 kNever,
                 {},
                 {kAntwortetNicht, kHatNichtGeantwortet},
                 2,
                 true,
                 5},
        HangCase{"ShorterLimitFromTheEnvironment",
                 L"App.CloseDB",
                 3000,
                 {kJa},
                 {kAntwortetNicht},
                 0,
                 true,
                 5,
                 L"hang=2"},
        // 2.5 s, not 2 s and a part that cannot be read.
        HangCase{"DecimalCommaFromTheEnvironment",
                 L"App.CloseDB",
                 2200,
                 {},
                 {},
                 0,
                 true,
                 5,
                 L"hang=2,5"},
        // A release that never returns is watched as a call is; after No nothing more of the
        // run takes effect.
        HangCase{"ReleaseNeverAnsweredNo",
                 L"App.Release",
                 kNever,
                 {kNein},
                 {kAntwortetNicht, kHatNichtGeantwortet},
                 2,
                 false,
                 1},
        HangCase{"ActiveViewOverTheLimitAnsweredYes",
                 L"ActiveView.Type",
                 31000,
                 {kJa},
                 {kAntwortetNicht},
                 0,
                 false,
                 3,
                 nullptr,
                 Vorgang::Ansichtstyp}),
    [](const ::testing::TestParamInfo<HangCase>& info) { return info.param.name; });

// A release that hangs after ACT! has taken the open: the switch is done, so the run ends as
// done once the answer time has passed, without a box.
TEST_F(WartenTest, ReleaseHangingAfterTheOpenEndsTheRunAsDone) {
    Act().delays[L"App.Release.5"] = kNever;  // the object of the open
    EXPECT_EQ(Run(kAlles), 0);
    EXPECT_TRUE(Boxes().empty());
    ExpectSwitched();
}

// Another run holding the run lock: waited for; after 30 s the question, as for ACT!.
struct LockCase {
    const char* name;
    bool informationMode;  // else a switch
    std::optional<std::int64_t> otherRunEndsAfterMs;
    std::vector<std::int32_t> answers;
    std::vector<Text> boxes;
    int exitCode;
};

class LaufsperreTest : public WartenTest, public ::testing::WithParamInterface<LockCase> {};

TEST_P(LaufsperreTest, WaitsForTheOtherRun) {
    const LockCase& c = GetParam();
    sim::RunLock().otherRunEndsAfterMs = c.otherRunEndsAfterMs;
    for (std::int32_t answer : c.answers) {
        sim::Boxes().script.push_back(answer);
    }
    EXPECT_EQ(Run(c.informationMode ? Text() : kAlles), c.exitCode);
    EXPECT_EQ(BoxTexts(), c.boxes);
    ExpectStyles();
    if (c.exitCode == 2) {
        // Nothing of the run happened.
        EXPECT_TRUE(Journal().empty());
        EXPECT_FALSE(AnythingWritten());
        EXPECT_EQ(sim::RunLock().taken, 0);
    } else {
        EXPECT_FALSE(Journal().empty());
        EXPECT_EQ(sim::RunLock().taken, 1);
    }
    EXPECT_FALSE(sim::RunLock().heldByThisRun);
    EXPECT_EQ(sim::RunLock().returned, sim::RunLock().taken);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, LaufsperreTest,
    ::testing::Values(LockCase{"NoOtherRun", false, std::nullopt, {}, {}, 0},
                      LockCase{"OtherRunEndsInTime", false, 20000, {}, {}, 0},
                      LockCase{
                          "OtherRunEndsLateAnsweredYes", false, 45000, {kJa}, {kAndererLauf}, 0},
                      LockCase{"OtherRunNeverEndsAnsweredNo",
                               false,
                               kNever,
                               {kNein},
                               {kAndererLauf, kAndererLaufNichtBeendet},
                               2},
                      LockCase{"InformationModeWaitsToo",
                               true,
                               45000,
                               {kJa, platform::kIdOk},
                               {kAndererLauf, kInformationen},
                               0},
                      LockCase{"InformationModeGivesUp",
                               true,
                               kNever,
                               {},
                               {kAndererLauf, kAndererLaufNichtBeendet},
                               2}),
    [](const ::testing::TestParamInfo<LockCase>& info) { return info.param.name; });

// ACT! not running: the run that has the shell start it holds the run lock until ACT!'s main
// window shows, for at most the answer time, so that the next run finds ACT! running.
struct StartCase {
    const char* name;
    std::int64_t windowAfterMs;
    bool processEnds;  // the started program ends at once
    std::uint32_t waitedMs;
};

class ACTStartTest : public WartenTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(ACTStartTest, HoldsTheRunLockUntilActsWindowShows) {
    const StartCase& c = GetParam();
    Act().running = false;
    Act().window.appearsAfterMs = c.windowAfterMs;
    InstallAct();
    if (c.processEnds) {
        sim::Shell().onLaunch = [](const sim::ShellLaunch& launch) {
            sim::StartActWhenLaunched(launch);
            sim::EndProcess(launch.process, 0);
        };
    }
    bool lockHeldWhileWaiting = true;
    sim::Messages().onDispatch = [&] {
        lockHeldWhileWaiting = lockHeldWhileWaiting && sim::RunLock().heldByThisRun;
    };
    const std::uint32_t before = sim::Clock().now;
    EXPECT_EQ(Run(kAlles), 0);
    EXPECT_EQ(sim::Clock().now - before, c.waitedMs);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(lockHeldWhileWaiting);
    EXPECT_EQ(sim::RunLock().returned, 1);
    ASSERT_EQ(sim::Shell().launches.size(), 1u);
    if (c.windowAfterMs > static_cast<std::int64_t>(c.waitedMs)) {
        return;
    }
    // The next run, with another database, switches in the one ACT! that runs.
    sim::Messages().onDispatch = nullptr;
    EXPECT_EQ(Run(kKunden + L"," + kKontakt + L"," + kGruppe), 0);
    EXPECT_EQ(sim::Shell().launches.size(), 1u);
    EXPECT_EQ(Act().openDatabase, kKunden);
    EXPECT_EQ(DatabaseSetting(L"Group Layout"), kGruppe + Text(1, L'\0'));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, ACTStartTest,
    ::testing::Values(StartCase{"WindowAtOnce", 0, false, 0},
                      // Looked for every 250 ms: found at the first look after it shows.
                      StartCase{"WindowAfterThreeSeconds", 3000, false, 3000},
                      StartCase{"WindowAfterThreeSecondsAndABit", 3001, false, 3250},
                      StartCase{"WindowLaterThanTheAnswerTime", 45000, false, 30000},
                      // The program file hands over to another process and ends at once;
                      // the window comes all the same.
                      StartCase{"StartedProgramEndsAndTheWindowComesLater", 2000, true, 2000}),
    [](const ::testing::TestParamInfo<StartCase>& info) { return info.param.name; });

// The environment variable's text and the times it sets.
struct TimesCase {
    const wchar_t* text;
    wartezeiten::Zeiten times;
};

// The case by its text, so that the test's name says which one failed.
void PrintTo(const TimesCase& value, std::ostream* out) {
    *out << '"' << std::string(value.text, value.text + std::wcslen(value.text)) << '"';
}

class WartezeitenTest : public ::testing::TestWithParam<TimesCase> {};

TEST_P(WartezeitenTest, ReadsWhatItCanAndKeepsTheRest) {
    EXPECT_EQ(wartezeiten::AusText(GetParam().text), GetParam().times);
}

INSTANTIATE_TEST_SUITE_P(
    Texte, WartezeitenTest,
    ::testing::Values(TimesCase{L"", {30000, 10000, 250}},
                      TimesCase{L"hang=60", {60000, 10000, 250}},
                      TimesCase{L"busy=0.5;HANG=2.25", {2250, 500, 250}},
                      TimesCase{L" busy=0.1 , hang=86400 ", {86400000, 100, 100}},
                      TimesCase{L"hang=0.05,busy=86401", {30000, 10000, 250}},
                      TimesCase{L"hang=1.2345,busy=x,wait=5,hang", {30000, 10000, 250}},
                      TimesCase{L"hang=,busy=-3,hang=1e3", {30000, 10000, 250}},
                      // A decimal comma, as German administrators write it.
                      TimesCase{L"hang=2,5", {2500, 10000, 250}},
                      TimesCase{L"hang=0,5,busy=1,25", {500, 1250, 250}},
                      TimesCase{L"hang=9,5", {9500, 10000, 250}},
                      TimesCase{L"hang=2,9", {2900, 10000, 250}},
                      TimesCase{L"busy=2,hang=3", {3000, 2000, 250}},
                      TimesCase{L"hang=2,,busy=3", {2000, 3000, 250}},
                      TimesCase{L"hang=1,2345", {30000, 10000, 250}}));

}  // namespace
