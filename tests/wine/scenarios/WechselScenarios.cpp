// The database switch of the real Quendelhof.exe with the stand-in ACT! 6: what ACT! was asked
// (its journal), what landed in the registry (reg export), the boxes and the exit code.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "ActScenarioTest.h"
#include "Meldungen.h"
#include "standin/StandinIds.h"

namespace winetest {
namespace {

using Lines = std::vector<std::wstring>;
using Settings = std::map<std::wstring, std::wstring>;

const std::wstring kActRunning = L"[ACT]\nversion=6.0\ndatabase=C:\\ACT\\Daten\\Alt.dbf\n";

class WechselScenario : public ActScenarioTest {
  protected:
    std::wstring Argument() const { return db_ + L"," + contact_ + L"," + group_; }
    Lines StandinStart() const { return {L"commandline " + Quoted(Act().Program())}; }
    std::wstring LayoutsLine() const {
        return L"layouts " + Quoted(group_) + L" " + Quoted(contact_);
    }
    Lines CloseAndOpen() const {
        return Joined({Connected({L"App.GetOpenDBName()"}), Connected({L"App.CloseDB()"}),
                       Connected({L"call App.OpenDB(BSTR& " + Quoted(db_) + L")", LayoutsLine()})});
    }
    Settings BothLayouts() const {
        return {{L"Group Layout", group_}, {L"Contact Layout", contact_}};
    }
};

TEST_F(WechselScenario, RunningActClosesWritesTheLayoutsAndOpens) {
    StartAct(kActRunning);
    ExpectRun(Run(Argument()), kErledigt, {});
    StopAct();
    EXPECT_EQ(Act().Journal(), Joined({StandinStart(),
                                       Connected({L"App.GetVersion(I2 1)"}),
                                       Connected({L"App.GetOpenDBName()"}),
                                       CloseAndOpen(),
                                       {L"stopped"}}));
    EXPECT_EQ(DatabaseSettings(), Settings(BothLayouts()));
    EXPECT_NE(Act().FinalState().find(L"database=" + db_ + L"\n"), std::wstring::npos)
        << "ACT! has not opened the database:\n"
        << testing::PrintToString(Act().FinalState());
}

TEST_F(WechselScenario, WithoutLayoutsNothingIsWrittenAndTheDatabaseIsOpened) {
    StartAct(L"[ACT]\ndatabase=\n");
    ExpectRun(Run(db_), kErledigt, {});
    StopAct();
    // No database open: nothing to close.
    EXPECT_EQ(
        Act().Journal(),
        Joined({StandinStart(),
                Connected({L"App.GetVersion(I2 1)"}),
                Connected({L"App.GetOpenDBName()"}),
                Connected({L"App.GetOpenDBName()"}),
                Connected({L"call App.OpenDB(BSTR& " + Quoted(db_) + L")", L"layouts none none"}),
                {L"stopped"}}));
    EXPECT_EQ(DatabaseSettings(), std::nullopt);
}

ExpectedBox Wiederholen(const std::wstring& db) {
    return Erwartet(meldungen::Id::DatenbankBereitsGeoeffnet, {db});
}

std::wstring UpperCase(std::wstring text) {
    CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

TEST_F(WechselScenario, SameDatabaseOpenAnsweredYesIsReopened) {
    StartAct(L"[ACT]\ndatabase=" + UpperCase(db_) + L"\n");
    ExpectRun(Run(Argument(), {Button::Yes}), kErledigt, {Wiederholen(db_)});
    StopAct();
    EXPECT_EQ(Act().Journal(), Joined({StandinStart(),
                                       Connected({L"App.GetVersion(I2 1)"}),
                                       Connected({L"App.GetOpenDBName()"}),
                                       CloseAndOpen(),
                                       {L"stopped"}}));
    EXPECT_EQ(DatabaseSettings(), Settings(BothLayouts()));
}

// ACT! closed by the user while the question is open: nothing is written or opened.
TEST_F(WechselScenario, ActClosedWhileTheQuestionIsOpenWritesNothing) {
    StartAct(L"[ACT]\ndatabase=" + db_ + L"\n");
    BeforeEachPress([this](const BoxRecord& box) {
        if (box.icon == BoxIcon::Question) {
            StopAct();
        }
    });
    ExpectRun(Run(Argument(), {Button::Yes, Button::Ok}), kFehler,
              {Wiederholen(db_), NichtErreichbar()});
    EXPECT_EQ(Act().Journal(), Joined({StandinStart(),
                                       Connected({L"App.GetVersion(I2 1)"}),
                                       Connected({L"App.GetOpenDBName()"}),
                                       {L"stopped"}}));
    EXPECT_EQ(DatabaseSettings(), std::nullopt);
}

TEST_F(WechselScenario, SameDatabaseOpenAnsweredNoChangesNothing) {
    StartAct(L"[ACT]\ndatabase=" + db_ + L"\n");
    ExpectRun(Run(Argument(), {Button::No}), kAngehalten, {Wiederholen(db_)});
    StopAct();
    EXPECT_EQ(Act().Journal(), Joined({StandinStart(),
                                       Connected({L"App.GetVersion(I2 1)"}),
                                       Connected({L"App.GetOpenDBName()"}),
                                       {L"stopped"}}));
    EXPECT_EQ(DatabaseSettings(), std::nullopt);
}

TEST_F(WechselScenario, WrongVersionIsRefused) {
    StartAct(L"[ACT]\nversion=5.1\ndatabase=C:\\ACT\\Alt.dbf\n");
    ExpectRun(Run(Argument(), {Button::Ok}), kAngehalten, {Erwartet(meldungen::Id::NurMitACT6)});
    StopAct();
    EXPECT_EQ(Act().Journal(),
              Joined({StandinStart(), Connected({L"App.GetVersion(I2 1)"}), {L"stopped"}}));
    EXPECT_EQ(DatabaseSettings(), std::nullopt);
}

TEST_F(WechselScenario, FailingCloseShowsBothMessagesAndStops) {
    StartAct(L"[ACT]\ndatabase=C:\\ACT\\Alt.dbf\nclosedb.result=-3\n");
    ExpectRun(Run(Argument(), {Button::Ok, Button::Ok}), kAngehalten,
              {Erwartet(meldungen::Id::CloseDBFehler, {L"-3"}),
               Erwartet(meldungen::Id::DatenbankNichtGeschlossen)});
    StopAct();
    EXPECT_EQ(Act().Journal(), Joined({StandinStart(),
                                       Connected({L"App.GetVersion(I2 1)"}),
                                       Connected({L"App.GetOpenDBName()"}),
                                       Connected({L"App.GetOpenDBName()"}),
                                       Connected({L"App.CloseDB()"}),
                                       {L"stopped"}}));
    EXPECT_EQ(DatabaseSettings(), std::nullopt);
}

TEST_F(WechselScenario, ErrorRaisedByActEndsTheRunWithTheErrorBox) {
    StartAct(L"[ACT]\ndatabase=C:\\ACT\\Alt.dbf\nfault.App.GetOpenDBName=70 Zugriff verweigert\n");
    ExpectRun(Run(Argument(), {Button::Ok}), kFehler,
              {{L"Error: 70. Zugriff verweigert", BoxIcon::None}});
    StopAct();
    // The error passes out of the operation: the release comes when the run ends.
    Lines journal = Act().Journal();
    Lines head = Joined({StandinStart(),
                         Connected({L"App.GetVersion(I2 1)"}),
                         {L"create App", L"App.GetOpenDBName()"}});
    ASSERT_GE(journal.size(), head.size());
    EXPECT_EQ(Lines(journal.begin(), journal.begin() + static_cast<std::ptrdiff_t>(head.size())),
              head);
    EXPECT_EQ(std::count(journal.begin(), journal.end(), L"App.CloseDB()"), 0);
    EXPECT_EQ(DatabaseSettings(), std::nullopt);
}

// ACT! not running: the shell starts it with the database, as given after the quoted program
// path, or in quotes itself when its path holds a blank; the layouts were in the registry when
// ACT! started.
class WechselStartScenario : public WechselScenario, public ::testing::WithParamInterface<bool> {};

TEST_P(WechselStartScenario, ActNotRunningIsStartedByTheShellWithTheDatabase) {
    const bool blank = GetParam();
    if (blank) {
        db_ = MakeFile(L"Eigene Daten\\Kunden.dbf");
    }
    InstallAct(L"[ACT]\ndatabase=\n");
    SetInstallDir(Act().Folder());
    ExpectRun(Run(Argument()), kErledigt, {});
    ASSERT_TRUE(Act().WaitUntilReady()) << "the shell did not start ACT.EXE";
    StopAct();
    EXPECT_EQ(Act().Journal(),
              (Lines{L"commandline " + Quoted(Act().Program()) + L" " + (blank ? Quoted(db_) : db_),
                     LayoutsLine(), L"stopped"}));
    EXPECT_EQ(DatabaseSettings(), Settings(BothLayouts()));
    EXPECT_NE(Act().FinalState().find(L"database=" + db_ + L"\n"), std::wstring::npos);
}

INSTANTIATE_TEST_SUITE_P(Pfade, WechselStartScenario, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "WithABlank" : "WithoutABlank";
                         });

TEST_F(WechselScenario, InstallDirWithoutActExeMeansActIsNotFound) {
    SetInstallDir(MakeFolder(L"Leer"));
    ExpectRun(Run(Argument(), {Button::Ok}), kAngehalten, {AnwendungFehlt()});
    EXPECT_EQ(DatabaseSettings(), std::nullopt);
}

// ACT! 6 is a 32-bit program: its install folder stands in the 32-bit view of the registry,
// which the program reads whatever its own bitness.
TEST_F(WechselScenario, InstallDirOnlyInThe64BitViewIsNotFound) {
    InstallAct(L"[ACT]\ndatabase=\n");
    SetInstallDir(Act().Folder(), RegView::Bits64);
    RunResult run = Run(Argument(), {Button::Ok});
    if (run.exitCode == kErledigt) {
        Act().WaitUntilReady();  // started after all: it ends with the test
    }
    ExpectRun(run, kAngehalten, {AnwendungFehlt()});
    EXPECT_EQ(DatabaseSettings(), std::nullopt);
}

// ACT! registers its classes as its 32-bit installation does. Its server's class is redirected
// on every Windows: it stands in the 32-bit view alone. Its ProgID stands where the registrar's
// system keeps it: shared between the views on Windows 7 and later, in the 32-bit view alone on
// 64-bit Windows XP and Server 2003. Wine keeps it in the 32-bit view alone when a 64-bit
// registrar writes it there (the stand-in is such a registrar on a machine that runs no 32-bit
// programs), and shared when a 32-bit registrar writes it, but then a 64-bit reader asking for
// the 32-bit view does not see it. The program depends on none of these layouts: it finds the
// server whichever view holds the ProgID. The test says which layout it met.
const std::wstring kClasses = L"HKEY_LOCAL_MACHINE\\Software\\Classes\\";

std::wstring ProgIdKey() {
    return kClasses + standin::kApplicationProgId;
}

Settings ProgIdClass() {
    return {{L"@", standin::kApplicationClsidText}};
}

std::string LayoutMet(bool in32BitView, bool in64BitView) {
    if (in32BitView && in64BitView) {
        return "in both views (shared, as on Windows 7 and later)";
    }
    return in32BitView ? "in the 32-bit view only (as on 64-bit Windows XP)"
                       : "in the 64-bit view only (Wine: a 32-bit registrar's shared ProgID, which "
                         "a 64-bit reader of the 32-bit view does not see)";
}

TEST_F(WechselScenario, ServerRegisteredInThe32BitViewIsFound) {
    StartAct(kActRunning);
    const std::wstring server =
        kClasses + L"CLSID\\" + standin::kApplicationClsidText + L"\\LocalServer32";
    EXPECT_EQ(RegExportStrings(server, RegView::Bits32), Settings({{L"@", Act().Program()}}));
    EXPECT_EQ(RegExportStrings(server, RegView::Bits64), std::nullopt);
    const std::wstring progId = ProgIdKey() + L"\\CLSID";
    std::optional<Settings> in32BitView = RegExportStrings(progId, RegView::Bits32);
    std::optional<Settings> in64BitView = RegExportStrings(progId, RegView::Bits64);
    ASSERT_TRUE(in32BitView || in64BitView) << "no view holds the ProgID";
    for (const std::optional<Settings>& found : {in32BitView, in64BitView}) {
        EXPECT_EQ(found.value_or(ProgIdClass()), ProgIdClass());
    }
    const std::string layout = LayoutMet(in32BitView.has_value(), in64BitView.has_value());
    RecordProperty("ProgIdLayout", layout);
    std::printf("The ProgID stands %s.\n", layout.c_str());

    ExpectRun(Run(Argument()), kErledigt, {});
    StopAct();
    EXPECT_EQ(Act().Journal(), Joined({StandinStart(),
                                       Connected({L"App.GetVersion(I2 1)"}),
                                       Connected({L"App.GetOpenDBName()"}),
                                       CloseAndOpen(),
                                       {L"stopped"}}));
}

#ifdef _WIN64
// The layout of 64-bit Windows XP, made on any machine: the ProgID in the 32-bit view alone.
// A 64-bit program's CLSIDFromProgID does not see it there, so the program looks itself; a
// 32-bit one (an unpacked release's, for one) sees it in its own view. Only a 64-bit test can
// make the layout: a 64-bit process writing into the 32-bit view under Wine writes Wow6432Node
// itself, shared key or not.
TEST_F(WechselScenario, ProgIdOnlyInThe32BitViewIsFound) {
    StartAct(kActRunning);
    struct ProgIdRemover {
        ~ProgIdRemover() {
            for (RegView view : {RegView::Bits32, RegView::Bits64}) {
                Reg(L"delete \"" + ProgIdKey() + L"\" /f", view);
            }
        }
    } removesBothAtTheEnd;  // the stand-in registers it again when it next starts
    Reg(L"delete \"" + ProgIdKey() + L"\" /f", RegView::Bits64);  // where it stands shared
    // Marked as the tests' own, as the stand-in marks its registration.
    ASSERT_TRUE(RegImport(L"Windows Registry Editor Version 5.00\r\n\r\n[" + ProgIdKey() +
                              L"]\r\n\"" + standin::kMadeByTestsValue + L"\"=\"1\"\r\n\r\n[" +
                              ProgIdKey() + L"\\CLSID]\r\n@=\"" + standin::kApplicationClsidText +
                              L"\"\r\n",
                          RegView::Bits32));
    ASSERT_EQ(RegExportStrings(ProgIdKey() + L"\\CLSID", RegView::Bits64), std::nullopt);
    ASSERT_EQ(RegExportStrings(ProgIdKey() + L"\\CLSID", RegView::Bits32), ProgIdClass());

    ExpectRun(Run(Argument()), kErledigt, {});
    StopAct();
    EXPECT_NE(Act().FinalState().find(L"database=" + db_ + L"\n"), std::wstring::npos);
}
#endif

TEST_F(WechselScenario, ActNotInstalledIsNotFound) {
    ExpectRun(Run(Argument(), {Button::Ok}), kAngehalten, {AnwendungFehlt()});
    EXPECT_EQ(DatabaseSettings(), std::nullopt);
}

}  // namespace
}  // namespace winetest
