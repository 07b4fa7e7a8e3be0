// The database switch: with ACT! running (version, question, close, layouts, open) and with ACT!
// not running (program file, layouts, launch), and how each course ends.
#include <gtest/gtest.h>

#include "WechselTestBasis.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "platform/core/RawVariant.h"
#include "sim/desktop/SimShell.h"

namespace {

namespace sim = platform::sim;
using platform::Text;

class DatenbankwechselTest : public testsupport::WechselTestBasis {
  protected:
    // Notes at every message dispatch whether the contact layout is in the registry yet, so
    // that a test can tell whether it was written before ACT! was asked to open the database.
    void WatchLayoutWrites() {
        sim::Messages().onDispatch = [this] {
            layoutSeenAtDispatch.push_back(DatabaseSetting(L"Contact Layout").has_value());
        };
    }
    std::vector<bool> layoutSeenAtDispatch;

    static Lines Connect(const Text& call) { return {L"create App", call, L"release App"}; }
    static Lines Concat(std::initializer_list<Lines> parts) {
        Lines all;
        for (const Lines& part : parts) {
            all.insert(all.end(), part.begin(), part.end());
        }
        return all;
    }
};

TEST_F(DatenbankwechselTest, RunningActClosesWritesLayoutsAndOpensTheNewDatabase) {
    StartAct(kKunden);
    WatchLayoutWrites();
    EXPECT_EQ(Run(kAlles), 0);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Journal(), Concat({Connect(L"App.GetVersion(I2 1)"), Connect(L"App.GetOpenDBName()"),
                                 Connect(L"App.GetOpenDBName()"), Connect(L"App.CloseDB()"),
                                 Connect(L"call App.OpenDB(BSTR& \"" + kNeu + L"\")")}));
    EXPECT_EQ(Act().openDatabase, kNeu);
    EXPECT_EQ(DatabaseSetting(L"Contact Layout"), kKontakt + Text(1, L'\0'));
    EXPECT_EQ(DatabaseSetting(L"Group Layout"), kGruppe + Text(1, L'\0'));
    // Written after the close was asked for and before the open.
    ASSERT_GE(layoutSeenAtDispatch.size(), 2u);
    EXPECT_FALSE(layoutSeenAtDispatch[layoutSeenAtDispatch.size() - 2]);
    EXPECT_TRUE(layoutSeenAtDispatch.back());
}

TEST_F(DatenbankwechselTest, RunningActWithoutDatabaseIsNotAskedToClose) {
    StartAct(L"");
    EXPECT_EQ(Run(kAlles), 0);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Journal(), Concat({Connect(L"App.GetVersion(I2 1)"), Connect(L"App.GetOpenDBName()"),
                                 Connect(L"App.GetOpenDBName()"),
                                 Connect(L"call App.OpenDB(BSTR& \"" + kNeu + L"\")")}));
    EXPECT_TRUE(DatabaseSetting(L"Group Layout").has_value());
}

TEST_F(DatenbankwechselTest, SameDatabaseInOtherLettersAsksAndYesReopensIt) {
    StartAct(L"c:\\act\\daten\\NEU.DBF");
    sim::AnswerNextBoxes({platform::kIdYes});
    EXPECT_EQ(Run(kNeu + L"," + kKontakt), 0);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, L"Die ACT!-Datenbank \"" + kNeu +
                                   L"\" ist bereits geöffnet.\r\nSoll die Datenbank wiederholt "
                                   L"geöffnet werden?");
    EXPECT_EQ(Boxes()[0].title, L"Quendelhof");
    EXPECT_EQ(Boxes()[0].style, platform::kMbYesNo | platform::kMbIconQuestion);
    Lines journal = Journal();
    EXPECT_EQ(std::count(journal.begin(), journal.end(), L"App.CloseDB()"), 1);
    EXPECT_EQ(journal[journal.size() - 2], L"call App.OpenDB(BSTR& \"" + kNeu + L"\")");
    EXPECT_EQ(DatabaseSetting(L"Contact Layout"), kKontakt + Text(1, L'\0'));
}

TEST_F(DatenbankwechselTest, SameDatabaseAnsweredNoTouchesNothing) {
    StartAct(kNeu);
    sim::AnswerNextBoxes({platform::kIdNo});
    EXPECT_EQ(Run(kAlles), 1);
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Journal(),
              Concat({Connect(L"App.GetVersion(I2 1)"), Connect(L"App.GetOpenDBName()")}));
    EXPECT_FALSE(AnythingWritten());
    EXPECT_EQ(Act().openDatabase, kNeu);
}

TEST_F(DatenbankwechselTest, ShortFormOfTheOpenDatabaseIsAnotherTextAndAsksNothing) {
    MakeFile("c/ACT/Daten/KUNDEN~1.DBF");
    StartAct(L"C:\\ACT\\Daten\\Kunden Neu.dbf");
    EXPECT_EQ(Run(L"C:\\ACT\\Daten\\KUNDEN~1.DBF"), 0);
    EXPECT_TRUE(Boxes().empty());
    Lines journal = Journal();
    EXPECT_EQ(std::count(journal.begin(), journal.end(), L"App.CloseDB()"), 1);
    EXPECT_EQ(Act().openDatabase, L"C:\\ACT\\Daten\\KUNDEN~1.DBF");
}

TEST_F(DatenbankwechselTest, VersionWithBlanksBeforeItsSixPasses) {
    StartAct();
    Act().version = L"   6.0 Build 120";
    EXPECT_EQ(Run(kNeu), 0);
    EXPECT_EQ(Act().openDatabase, kNeu);
}

class FalscheVersionTest : public DatenbankwechselTest,
                           public ::testing::WithParamInterface<const wchar_t*> {};

TEST_P(FalscheVersionTest, OtherVersionShowsTheVersionMessageAndTouchesNothing) {
    StartAct(kKunden);
    Act().version = GetParam();
    EXPECT_EQ(Run(kAlles), 1);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, L"Bitte verwenden Sie das Programm Quendelhof nur mit ACT! 6");
    EXPECT_EQ(Boxes()[0].title, L"Quendelhof");
    EXPECT_EQ(Boxes()[0].style, platform::kMbOk | platform::kMbIconInformation);
    EXPECT_EQ(Journal(), Connect(L"App.GetVersion(I2 1)"));
    EXPECT_FALSE(AnythingWritten());
    EXPECT_EQ(Act().openDatabase, kKunden);
}

INSTANTIATE_TEST_SUITE_P(Versionen, FalscheVersionTest,
                         ::testing::Values(L"5.0", L"", L"   ", L"7.0", L"v6.0"));

TEST_F(DatenbankwechselTest, VersionThatIsNoTextButTheNumberSixPasses) {
    StartAct();
    Act().resultOverrides[L"App.GetVersion"] = platform::Variant(std::int32_t{6});
    EXPECT_EQ(Run(kNeu), 0);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(DatenbankwechselTest, FailingCloseShowsTheClassMessageThenItsOwnAndStops) {
    StartAct(kKunden);
    Act().closeDbResult = -17;
    EXPECT_EQ(Run(kAlles), 1);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].text,
              L"Fehler in Klasse ACTApplication - CloseDB\r\nACT!-Fehlernummer:-17\r\nDie "
              L"Datenbank konnte nicht geschlossen werden.");
    EXPECT_EQ(Boxes()[1].text, L"Die aktuelle ACT!-Datenbank konnte nicht geschlossen werden.");
    EXPECT_EQ(Boxes()[1].title, L"Quendelhof");
    EXPECT_EQ(Boxes()[1].style, platform::kMbOk | platform::kMbIconExclamation);
    Lines journal = Journal();
    EXPECT_EQ(journal.back(), L"release App");
    EXPECT_EQ(journal[journal.size() - 2], L"App.CloseDB()");
    EXPECT_FALSE(AnythingWritten());
    EXPECT_EQ(Act().openDatabase, kKunden);
}

TEST_F(DatenbankwechselTest, ActNotRunningIsStartedWithTheDatabaseAfterTheLayouts) {
    InstallAct();
    std::optional<Text> layoutAtLaunch;
    sim::Shell().onLaunch = [&](const sim::ShellLaunch& launch) {
        layoutAtLaunch = DatabaseSetting(L"Group Layout");
        sim::StartActWhenLaunched(launch);
    };
    EXPECT_EQ(Run(kAlles), 0);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(Journal().empty());
    ASSERT_EQ(sim::Shell().launches.size(), 1u);
    const sim::ShellLaunch& launch = sim::Shell().launches[0];
    EXPECT_EQ(launch.call, L"ShellExecuteExA");
    EXPECT_EQ(launch.verb, Text(L"Open"));
    EXPECT_EQ(launch.file, Text(L"C:\\Programme\\ACT\\ACT.EXE"));
    EXPECT_EQ(launch.parameters, kNeu);
    EXPECT_EQ(launch.directory, std::nullopt);
    EXPECT_EQ(launch.showCommand, platform::kSwShowDefault);
    EXPECT_EQ(launch.ownerWindow, sim::kDesktopWindow);
    EXPECT_EQ(launch.fMask, platform::kSeeMaskNoCloseProcess | platform::kSeeMaskDoEnvSubst);
    EXPECT_EQ(layoutAtLaunch, kGruppe + Text(1, L'\0'));
    EXPECT_EQ(modHaupt::Zustand().strACTProgramm, L"C:\\Programme\\ACT\\ACT.EXE");
    // The simulated ACT! now runs with the database, as the next run finds it.
    EXPECT_TRUE(Act().running);
    EXPECT_EQ(Act().openDatabase, kNeu);
}

TEST_F(DatenbankwechselTest, InstallDirEndingInABackslashIsUsedUnchanged) {
    InstallAct(L"C:\\Programme\\ACT\\");
    EXPECT_EQ(Run(kNeu), 0);
    EXPECT_EQ(modHaupt::Zustand().strACTProgramm, L"C:\\Programme\\ACT\\\\ACT.EXE");
    ASSERT_EQ(sim::Shell().launches.size(), 1u);
    EXPECT_EQ(sim::Shell().launches[0].file, Text(L"C:\\Programme\\ACT\\\\ACT.EXE"));
}

TEST_F(DatenbankwechselTest, WithoutInstallDirActIsNotFound) {
    EXPECT_EQ(Run(kAlles), 1);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, L"Die ACT!-Anwendung wurde nicht gefunden.");
    EXPECT_EQ(Boxes()[0].title, L"Quendelhof");
    EXPECT_EQ(Boxes()[0].style, platform::kMbOk);
    EXPECT_EQ(modHaupt::Zustand().strACTProgramm, L"\\ACT.EXE");
    EXPECT_TRUE(sim::Shell().launches.empty());
    EXPECT_FALSE(AnythingWritten());
}

TEST_F(DatenbankwechselTest, InstallDirWithoutTheProgramFileIsNotFound) {
    InstallAct(L"C:\\ACT");
    EXPECT_EQ(Run(kAlles), 1);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, L"Die ACT!-Anwendung wurde nicht gefunden.");
    EXPECT_FALSE(AnythingWritten());
}

TEST_F(DatenbankwechselTest, InstallDirThatIsANumberEndsTheRunInOrder) {
    sim::SetRegistryDword(platform::kHkeyLocalMachine, kInstallKey, L"InstallDir", 5);
    EXPECT_EQ(Run(kAlles), 2);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, L"Quendelhof");
    EXPECT_EQ(Boxes()[0].text.rfind(L"Error: 13. ", 0), 0u);
    EXPECT_EQ(Boxes()[0].style, platform::kMbOk);
    EXPECT_FALSE(AnythingWritten());
    EXPECT_TRUE(sim::Shell().launches.empty());
}

TEST_F(DatenbankwechselTest, InstallDirThatIsABinaryValueEndsTheRunInOrder) {
    sim::SetRegistryValue(platform::kHkeyLocalMachine, kInstallKey, L"InstallDir",
                          platform::kRegBinary, {'C', ':'});
    EXPECT_EQ(Run(kAlles), 2);
    EXPECT_FALSE(AnythingWritten());
}

TEST_F(DatenbankwechselTest, ErrorFromActBeforeTheLayoutsEndsTheRunWithoutWriting) {
    StartAct(kKunden);
    Act().faults[L"App.CloseDB"] = {-2147220992, L"Datenbank gesperrt"};
    EXPECT_EQ(Run(kAlles), 2);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, L"Error: -2147220992. Datenbank gesperrt");
    EXPECT_EQ(Boxes()[0].title, L"Quendelhof");
    EXPECT_FALSE(AnythingWritten());
    // The objects were let go in order even so.
    EXPECT_EQ(Journal().back(), L"release App");
    EXPECT_EQ(modHaupt::Zustand().objACTApplication, nullptr);
}

TEST_F(DatenbankwechselTest, CloseGivingNullIsNoClosedDatabaseAndEndsTheRunWithoutWriting) {
    StartAct(kKunden);
    Act().rawResults[L"App.CloseDB"] = {platform::RawVariant::OfType(platform::kVtNull)};
    EXPECT_EQ(Run(kAlles), 2);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, L"Error: 94. Invalid use of Null");
    EXPECT_FALSE(AnythingWritten());
    EXPECT_EQ(Journal().back(), L"release App");
    EXPECT_EQ(Journal()[Journal().size() - 2], L"App.CloseDB()");
}

TEST_F(DatenbankwechselTest, ErrorFromActAtTheOpenComesAfterTheLayouts) {
    StartAct(kKunden);
    Act().faults[L"App.OpenDB"] = {70, L"Zugriff verweigert"};
    EXPECT_EQ(Run(kAlles), 2);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, L"Error: 70. Zugriff verweigert");
    EXPECT_EQ(DatabaseSetting(L"Contact Layout"), kKontakt + Text(1, L'\0'));
}

TEST_F(DatenbankwechselTest, ShellThatRefusesTheLaunchEndsWithExitCode1) {
    InstallAct();
    sim::Shell().forcedAnswer = 31;
    EXPECT_EQ(Run(kNeu), 1);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_FALSE(Act().running);
}

TEST_F(DatenbankwechselTest, MissingFileStopsBeforeActIsAsked) {
    StartAct();
    EXPECT_EQ(Run(L"C:\\ACT\\Daten\\Fehlt.dbf"), 1);
    EXPECT_TRUE(Journal().empty());
    EXPECT_FALSE(AnythingWritten());
}

TEST_F(DatenbankwechselTest, WarningAloneDoesNotStopTheRun) {
    MakeFile("c/ACT/Layouts/Kontakt.lay");
    StartAct();
    EXPECT_EQ(Run(kNeu + L",C:\\ACT\\Layouts\\Kontakt.lay"), 0);
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(DatabaseSetting(L"Contact Layout"),
              L"C:\\ACT\\Layouts\\Kontakt.lay" + Text(1, L'\0'));
}

}  // namespace
