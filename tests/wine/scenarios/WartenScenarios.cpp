// The real Quendelhof.exe with a stand-in ACT! that is busy, slow or hung, and two runs at once.
// The waiting times are shortened (QUENDELHOF_WAIT) to 3 s: the answer time of a call and the
// busy time before the questions.
#include <gtest/gtest.h>

#include "ActScenarioTest.h"
#include "Meldungen.h"
#include "tools/TimeFactor.h"

namespace winetest {
namespace {

using Lines = std::vector<std::wstring>;
using Settings = std::map<std::wstring, std::wstring>;

const std::wstring kWaitTimes = L"hang=3,busy=3";
constexpr DWORD kWaitMs = 3000;
const std::wstring kActRunning = L"[ACT]\nversion=6.0\ndatabase=C:\\ACT\\Daten\\Alt.dbf\n";

const ExpectedBox kBeschaeftigt = {
    L"ACT! ist beschäftigt und nimmt im Moment keine Befehle an.\r\n"
    L"Bitte schließen Sie alle geöffneten Hinweisfenster in ACT!\r\n"
    L"Weiter versuchen?",
    BoxIcon::Exclamation,
    {Button::Yes, Button::No}};
const ExpectedBox kAntwortetNicht = {
    L"ACT! antwortet nicht.\r\nSoll weiter auf ACT! gewartet werden?",
    BoxIcon::Exclamation,
    {Button::Yes, Button::No}};
const ExpectedBox kHatNichtGeantwortet = {L"ACT! hat nicht geantwortet. Quendelhof wird beendet."};

class WartenScenario : public ActScenarioTest {
  protected:
    void SetUp() override {
        ActScenarioTest::SetUp();
        SetWaitTimes(kWaitTimes);
    }

    static std::wstring Argument(const std::wstring& db, const std::wstring& contact,
                                 const std::wstring& group) {
        return db + L"," + contact + L"," + group;
    }
    std::wstring Argument() const { return Argument(db_, contact_, group_); }
    Lines StandinStart() const { return {L"commandline " + Quoted(Act().Program())}; }
    // What ACT! is asked up to the close, while another database is open.
    static Lines UpToTheClose() {
        return Joined({Connected({L"App.GetVersion(I2 1)"}), Connected({L"App.GetOpenDBName()"}),
                       Connected({L"App.GetOpenDBName()"})});
    }
    static Lines Switch(const std::wstring& db, const std::wstring& contact,
                        const std::wstring& group) {
        return Joined({UpToTheClose(), Connected({L"App.CloseDB()"}),
                       Connected({L"call App.OpenDB(BSTR& " + Quoted(db) + L")",
                                  L"layouts " + Quoted(group) + L" " + Quoted(contact)})});
    }
    Settings BothLayouts() const {
        return {{L"Group Layout", group_}, {L"Contact Layout", contact_}};
    }
    bool ActHasOpen(const std::wstring& db) const {
        return Act().FinalState().find(L"database=" + db + L"\n") != std::wstring::npos;
    }

    // A complete switch that ACT! took part in, as the journal and the registry show it.
    void ExpectCompleteSwitch() {
        StopAct();
        EXPECT_EQ(Act().Journal(),
                  Joined({StandinStart(), Switch(db_, contact_, group_), {L"stopped"}}));
        EXPECT_EQ(DatabaseSettings(), Settings(BothLayouts()));
        EXPECT_TRUE(ActHasOpen(db_)) << testing::PrintToString(Act().FinalState());
    }
};

TEST_F(WartenScenario, ShortBusySwitchesWithoutABox) {
    StartAct(kActRunning + L"busy.App.CloseDB=1000\n");
    RunResult run = Run(Argument());
    ExpectRun(run, kErledigt, {});
    // The rejected calls were made again until ACT! took them.
    EXPECT_GE(run.milliseconds, 1000u);
    ExpectCompleteSwitch();
}

TEST_F(WartenScenario, LongBusyAnsweredYesSwitchesOnceActTakesTheCalls) {
    StartAct(kActRunning + L"busy=4500\n");
    ExpectRun(Run(Argument(), {Button::Yes}), kErledigt, {kBeschaeftigt});
    ExpectCompleteSwitch();
}

TEST_F(WartenScenario, LongBusyAnsweredNoEndsWithTheErrorBoxAndChangesNothing) {
    StartAct(kActRunning + L"busy=never\n");
    ExpectRun(
        Run(Argument(), {Button::No, Button::Ok}), kFehler,
        {kBeschaeftigt, {L"Error: 429. ActiveX component can't create object", BoxIcon::None}});
    StopAct();
    EXPECT_EQ(Act().Journal(), Joined({StandinStart(), {L"stopped"}}));
    EXPECT_EQ(DatabaseSettings(), std::nullopt);
}

TEST_F(WartenScenario, HungCloseAnsweredNoEndsTheRunAndWritesNothing) {
    StartAct(kActRunning + L"delay.App.CloseDB=never\n");
    RunResult run = Run(Argument(), {Button::No, Button::Ok});
    ExpectRun(run, kFehler, {kAntwortetNicht, kHatNichtGeantwortet});
    // The answer time, the two boxes and the start of the program; far from a run that hangs.
    EXPECT_LT(run.milliseconds, kWaitMs + Scaled(8000));
    StopAct();
    EXPECT_EQ(
        Act().Journal(),
        Joined({StandinStart(), UpToTheClose(), {L"create App", L"App.CloseDB()", L"stopped"}}));
    EXPECT_EQ(DatabaseSettings(), std::nullopt);

    // The ended run held the run lock; the next run does not wait for it.
    ExpectRun(Run(Argument(), {Button::Ok}), kAngehalten, {AnwendungFehlt()});
}

TEST_F(WartenScenario, HungOpenAnsweredNoEndsTheRunWithTheLayoutsWritten) {
    StartAct(kActRunning + L"delay.App.OpenDB=never\n");
    ExpectRun(Run(Argument(), {Button::No, Button::Ok}), kFehler,
              {kAntwortetNicht, kHatNichtGeantwortet});
    StopAct();
    Lines expected = Joined({StandinStart(),
                             UpToTheClose(),
                             Connected({L"App.CloseDB()"}),
                             {L"create App", L"call App.OpenDB(BSTR& " + Quoted(db_) + L")"}});
    Lines journal = Act().Journal();
    ASSERT_GE(journal.size(), expected.size());
    EXPECT_EQ(
        Lines(journal.begin(), journal.begin() + static_cast<std::ptrdiff_t>(expected.size())),
        expected);
    EXPECT_EQ(DatabaseSettings(), Settings(BothLayouts()));
}

TEST_F(WartenScenario, SlowOpenThatAnswersInTimeSwitchesWithoutABox) {
    StartAct(kActRunning + L"delay.App.OpenDB=1500\n");
    ExpectRun(Run(Argument()), kErledigt, {});
    ExpectCompleteSwitch();
}

TEST_F(WartenScenario, QuestionLeftOpenIsClosedWhenActAnswersAndTheRunGoesOn) {
    StartAct(kActRunning + L"delay.App.CloseDB=5500\n");
    ExpectRun(Run(Argument(), {Button::Leave}), kErledigt, {kAntwortetNicht});
    ExpectCompleteSwitch();
}

TEST_F(WartenScenario, TwoRunsAtOnceTakeTurns) {
    SetWaitTimes(L"");  // the full answer time: the second run waits for the whole first one
    std::wstring db2 = MakeFile(L"Zwei\\K2.dbf");
    std::wstring contact2 = MakeFile(L"Zwei\\L2.cly");
    std::wstring group2 = MakeFile(L"Zwei\\G2.gly");
    StartAct(kActRunning);
    std::vector<RunResult> runs = RunSideBySide({Argument(), Argument(db2, contact2, group2)}, 50);
    ASSERT_EQ(runs.size(), 2u);
    ExpectRun(runs[0], kErledigt, {});
    ExpectRun(runs[1], kErledigt, {});
    StopAct();

    // One whole switch, then the other; which run came first is up to the system.
    Lines journal = Act().Journal();
    Lines firstThenSecond = Joined({StandinStart(),
                                    Switch(db_, contact_, group_),
                                    Switch(db2, contact2, group2),
                                    {L"stopped"}});
    Lines secondThenFirst = Joined({StandinStart(),
                                    Switch(db2, contact2, group2),
                                    Switch(db_, contact_, group_),
                                    {L"stopped"}});
    ASSERT_TRUE(journal == firstThenSecond || journal == secondThenFirst)
        << testing::PrintToString(journal);
    // The layouts belong to the database ACT! has open at the end.
    if (journal == firstThenSecond) {
        EXPECT_TRUE(ActHasOpen(db2));
        EXPECT_EQ(DatabaseSettings(),
                  (Settings{{L"Group Layout", group2}, {L"Contact Layout", contact2}}));
    } else {
        EXPECT_TRUE(ActHasOpen(db_));
        EXPECT_EQ(DatabaseSettings(), Settings(BothLayouts()));
    }
}

}  // namespace
}  // namespace winetest
