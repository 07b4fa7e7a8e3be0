// The real Quendelhof.exe with a stand-in ACT! that is busy, slow, hung or ends in the middle of
// a call, and two runs at once. The waiting times are shortened (QUENDELHOF_WAIT) to 3 s: the
// answer time of a call and the busy time before the questions. The boxes about ACT! stand in
// front of every other window (topmost).
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
constexpr DWORD kStandinCrashed = 9;  // the stand-in's exit code after crash.Object.Member
const std::wstring kActRunning = L"[ACT]\nversion=6.0\ndatabase=C:\\ACT\\Daten\\Alt.dbf\n";

// The busy question comes to the front without staying on top of ACT!'s dialogs.
const ExpectedBox kBeschaeftigt = Erwartet(meldungen::Id::ACTBeschaeftigt);
const ExpectedBox kWeiterhinBeschaeftigt = Erwartet(meldungen::Id::ACTWeiterhinBeschaeftigt);
const ExpectedBox kAntwortetNicht = Erwartet(meldungen::Id::ACTAntwortetNicht);
const ExpectedBox kHatNichtGeantwortet = Erwartet(meldungen::Id::ACTHatNichtGeantwortet);
const ExpectedBox kNichtErreichbar = NichtErreichbar();

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

TEST_F(WartenScenario, LongBusyAnsweredNoEndsWithTheFarewellAndChangesNothing) {
    StartAct(kActRunning + L"busy=never\n");
    ExpectRun(Run(Argument(), {Button::No, Button::Ok}), kFehler,
              {kBeschaeftigt, kWeiterhinBeschaeftigt});
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

// A release of ACT!'s object that never returns is watched as a call is.
TEST_F(WartenScenario, HungReleaseAnsweredNoEndsTheRunAndWritesNothing) {
    StartAct(kActRunning + L"delay.App.Release=never\n");
    RunResult run = Run(Argument(), {Button::No, Button::Ok});
    ExpectRun(run, kFehler, {kAntwortetNicht, kHatNichtGeantwortet});
    EXPECT_LT(run.milliseconds, kWaitMs + Scaled(8000));
    StopAct();
    EXPECT_EQ(Act().Journal(), Joined({StandinStart(),
                                       {L"create App", L"App.GetVersion(I2 1)", L"release App"},
                                       {L"stopped"}}));
    EXPECT_EQ(DatabaseSettings(), std::nullopt);
}

// Once ACT! has taken the open, the switch is done: a release that never returns after it gets
// the answer time, no box, and the run ends with exit code 0.
TEST_F(WartenScenario, HungReleaseAfterTheOpenEndsTheRunAsDone) {
    StartAct(kActRunning + L"delay.App.Release.5=never\n");
    RunResult run = Run(Argument());
    ExpectRun(run, kErledigt, {});
    EXPECT_GE(run.milliseconds, kWaitMs);
    ExpectCompleteSwitch();
}

TEST_F(WartenScenario, SlowReleasesThatAnswerInTimeSwitchWithoutABox) {
    StartAct(kActRunning + L"delay.App.Release=400\n");
    ExpectRun(Run(Argument()), kErledigt, {});
    ExpectCompleteSwitch();
}

// ACT! ends in the middle of a call (it crashed, or the task manager ended it): the run ends
// with the message and exit code 2; what it wrote before stays, nothing more is written.
TEST_F(WartenScenario, ActEndingInTheCloseEndsTheRunAndWritesNothing) {
    StartAct(kActRunning + L"crash.App.CloseDB=yes\n");
    ExpectRun(Run(Argument(), {Button::Ok}), kFehler, {kNichtErreichbar});
    EXPECT_FALSE(Act().Running());
    Act().Stop();
    EXPECT_EQ(Act().ExitCode(), kStandinCrashed);
    EXPECT_EQ(
        Act().Journal(),
        Joined({StandinStart(), UpToTheClose(), {L"create App", L"App.CloseDB()", L"crashed"}}));
    EXPECT_EQ(DatabaseSettings(), std::nullopt);
}

TEST_F(WartenScenario, ActEndingInTheOpenEndsTheRunWithTheLayoutsWritten) {
    StartAct(kActRunning + L"crash.App.OpenDB=yes\n");
    ExpectRun(Run(Argument(), {Button::Ok}), kFehler, {kNichtErreichbar});
    EXPECT_FALSE(Act().Running());
    Act().Stop();
    EXPECT_EQ(Act().ExitCode(), kStandinCrashed);
    EXPECT_EQ(
        Act().Journal(),
        Joined({StandinStart(),
                UpToTheClose(),
                Connected({L"App.CloseDB()"}),
                {L"create App", L"call App.OpenDB(BSTR& " + Quoted(db_) + L")", L"crashed"}}));
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

// ACT! not running and two runs at once: the run that has the shell start ACT! holds the run lock
// until ACT!'s window shows (late, as a slow ACT!'s does), so that the other run finds ACT!
// running and switches in it. One ACT!, whose open database the layouts belong to. Also when
// ACT.EXE only hands the start over to another program and ends at once.
class WartenStartScenario : public WartenScenario, public ::testing::WithParamInterface<bool> {};

TEST_P(WartenStartScenario, TwoRunsWhileActIsStoppedStartOneActAndTakeTurns) {
    const bool handOver = GetParam();
    SetWaitTimes(L"hang=10,busy=3");  // room for the stand-in's start and its late window
    std::wstring db2 = MakeFile(L"Zwei\\K2.dbf");
    std::wstring contact2 = MakeFile(L"Zwei\\L2.cly");
    std::wstring group2 = MakeFile(L"Zwei\\G2.gly");
    InstallAct(L"[ACT]\nversion=6.0\ndatabase=\nwindow.delay=2000\n");
    if (handOver) {
        std::wstring start = MakeFolder(L"Start");
        ASSERT_TRUE(CopyFileW(HandOverExe().c_str(), (start + L"\\ACT.EXE").c_str(), FALSE));
        ASSERT_TRUE(WriteUtf8File(start + L"\\handover.txt", Act().Program()));
        SetInstallDir(start);
    } else {
        SetInstallDir(Act().Folder());
    }
    std::vector<RunResult> runs = RunSideBySide({Argument(), Argument(db2, contact2, group2)}, 50);
    ASSERT_EQ(runs.size(), 2u);
    ExpectRun(runs[0], kErledigt, {});
    ExpectRun(runs[1], kErledigt, {});
    ASSERT_TRUE(Act().WaitUntilReady()) << "the shell did not start ACT.EXE";
    StopAct();

    // Started once, by whichever run came first, with its database and layouts; then the other
    // run's whole switch. A second ACT! would have written its own command line.
    auto startedBy = [this](const std::wstring& db, const std::wstring& contact,
                            const std::wstring& group) {
        return Lines{L"commandline " + Quoted(Act().Program()) + L" " + db,
                     L"layouts " + Quoted(group) + L" " + Quoted(contact)};
    };
    Lines journal = Act().Journal();
    Lines firstStarted =
        Joined({startedBy(db_, contact_, group_), Switch(db2, contact2, group2), {L"stopped"}});
    Lines secondStarted =
        Joined({startedBy(db2, contact2, group2), Switch(db_, contact_, group_), {L"stopped"}});
    ASSERT_TRUE(journal == firstStarted || journal == secondStarted)
        << testing::PrintToString(journal);
    if (journal == firstStarted) {
        EXPECT_TRUE(ActHasOpen(db2));
        EXPECT_EQ(DatabaseSettings(),
                  (Settings{{L"Group Layout", group2}, {L"Contact Layout", contact2}}));
    } else {
        EXPECT_TRUE(ActHasOpen(db_));
        EXPECT_EQ(DatabaseSettings(), Settings(BothLayouts()));
    }
}

INSTANTIATE_TEST_SUITE_P(Starts, WartenStartScenario, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "ThroughAProgramThatHandsOver" : "Directly";
                         });

}  // namespace
}  // namespace winetest
