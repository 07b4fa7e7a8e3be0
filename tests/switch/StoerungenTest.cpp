// Faults from outside during a whole run: ACT! raising errors, a registry that refuses writes,
// a shell that refuses the launch, ACT!'s window going away. Every run must end in order, with
// the right message and exit code, and ACT!'s layout settings either untouched or holding
// exactly the new paths.
#include <gtest/gtest.h>

#include "WechselTestBasis.h"
#include "meldungen/Meldungen.h"
#include "platform/MessageBox.h"
#include "sim/desktop/SimClipboard.h"
#include "sim/desktop/SimShell.h"
#include "sim/desktop/SimWindows.h"

namespace {

namespace sim = platform::sim;
using platform::Text;

const Text kAlteGruppe = L"C:\\Alt\\Gruppe.gly";
const Text kAlterKontakt = L"C:\\Alt\\Kontakt.cly";
const Text kNichtErreichbar = meldungen::Wortlaut(meldungen::Id::ACTNichtErreichbar);
const Text kVerweigert = meldungen::Wortlaut(meldungen::Id::ACTVerweigertVerbindung);

class StoerungenTest : public testsupport::WechselTestBasis {
  protected:
    void SetUp() override {
        WechselTestBasis::SetUp();
        sim::SetRegistryText(platform::kHkeyCurrentUser, kDatabaseKey, L"Group Layout",
                             kAlteGruppe);
        sim::SetRegistryText(platform::kHkeyCurrentUser, kDatabaseKey, L"Contact Layout",
                             kAlterKontakt);
    }

    // The layout settings are the old ones or exactly the new ones, each of them whole.
    void ExpectLayoutsOldOrNew() {
        std::optional<Text> gruppe = DatabaseSetting(L"Group Layout");
        std::optional<Text> kontakt = DatabaseSetting(L"Contact Layout");
        const Text nul(1, L'\0');
        EXPECT_TRUE(gruppe == kAlteGruppe + nul || gruppe == kGruppe + nul) << "Group Layout";
        EXPECT_TRUE(kontakt == kAlterKontakt + nul || kontakt == kKontakt + nul)
            << "Contact Layout";
    }

    void ExpectErrorBox(std::int32_t number, const Text& description) {
        ASSERT_FALSE(Boxes().empty());
        const sim::MessageBoxRecord& box = Boxes().back();
        EXPECT_EQ(box.title, L"Quendelhof");
        EXPECT_EQ(box.text, L"Error: " + std::to_wstring(number) + L". " + description);
        EXPECT_EQ(box.style, platform::kMbOk);
    }
};

// Each member that a switch calls on ACT!, raising an error in turn, or ending ACT!'s process in
// the middle of the call (a crash, the task manager): ACT!'s own error gets the error box, a
// vanished ACT! the German message, and one that fails as if gone while its window stays (it
// refuses the connection) the message that says so; either way the run ends with exit code 2,
// and only the layouts written before the failure (for the open) are there.
struct ActFehler {
    const wchar_t* member;  // empty: every call fails as if ACT! were gone, its window stays
    bool absturz;
    bool neueLayouts;
};

class ActFehlerImWechselTest : public StoerungenTest,
                               public ::testing::WithParamInterface<ActFehler> {};

TEST_P(ActFehlerImWechselTest, EndsInOrderWithItsBoxAndWholeLayouts) {
    const ActFehler& fehler = GetParam();
    StartAct(L"C:\\ACT\\Daten\\Kunden.dbf");
    if (fehler.member[0] == L'\0') {
        Act().gone = true;
    } else if (fehler.absturz) {
        Act().crashes.insert(fehler.member);
    } else {
        Act().faults[fehler.member] = {1004, L"Fehler in ACT!"};
    }
    EXPECT_EQ(Run(kAlles), 2);
    if (fehler.absturz) {
        ASSERT_EQ(Boxes().size(), 1u);
        EXPECT_EQ(Boxes()[0].title, L"Quendelhof");
        EXPECT_EQ(Boxes()[0].text, fehler.member[0] == L'\0' ? kVerweigert : kNichtErreichbar);
        EXPECT_EQ(Boxes()[0].style,
                  platform::kMbOk | platform::kMbIconExclamation | platform::kMbInFront);
    } else {
        ExpectErrorBox(1004, L"Fehler in ACT!");
    }
    EXPECT_EQ(sim::UnscriptedBoxCount(), 1);
    const Text nul(1, L'\0');
    EXPECT_EQ(DatabaseSetting(L"Group Layout"), (fehler.neueLayouts ? kGruppe : kAlteGruppe) + nul);
    EXPECT_EQ(DatabaseSetting(L"Contact Layout"),
              (fehler.neueLayouts ? kKontakt : kAlterKontakt) + nul);
    EXPECT_EQ(modHaupt::Zustand().objACTApplication, nullptr);
    // Every object that was made has been let go again.
    Lines journal = Journal();
    EXPECT_EQ(std::count_if(journal.begin(), journal.end(),
                            [](const Text& l) { return l.rfind(L"create ", 0) == 0; }),
              std::count_if(journal.begin(), journal.end(),
                            [](const Text& l) { return l.rfind(L"release ", 0) == 0; }));
}

INSTANTIATE_TEST_SUITE_P(Mitglieder, ActFehlerImWechselTest,
                         ::testing::Values(ActFehler{L"App.GetVersion", false, false},
                                           ActFehler{L"App.GetOpenDBName", false, false},
                                           ActFehler{L"App.CloseDB", false, false},
                                           ActFehler{L"App.OpenDB", false, true},
                                           ActFehler{L"", true, false},
                                           ActFehler{L"App.GetVersion", true, false},
                                           ActFehler{L"App.CloseDB", true, false},
                                           ActFehler{L"App.OpenDB", true, true}));

TEST_F(StoerungenTest, ActThatCannotBeCreatedEndsInOrder) {
    StartAct();
    Act().creationFault = platform::actmodel::Fault{429, L"Objekt kann nicht erstellt werden", -1};
    EXPECT_EQ(Run(kAlles), 2);
    ExpectErrorBox(429, L"Objekt kann nicht erstellt werden");
    ExpectLayoutsOldOrNew();
    EXPECT_FALSE(AnythingWritten());
}

TEST_F(StoerungenTest, ActFailingOnlyOnceIsFineForTheNextRun) {
    StartAct(L"C:\\ACT\\Daten\\Kunden.dbf");
    Act().faults[L"App.CloseDB"] = {1004, L"Fehler in ACT!", 1};
    EXPECT_EQ(Run(kAlles), 2);
    sim::Boxes() = sim::MessageBoxes();
    EXPECT_EQ(Run(kAlles), 0);
    EXPECT_EQ(Act().openDatabase, kNeu);
    EXPECT_EQ(DatabaseSetting(L"Group Layout"), kGruppe + Text(1, L'\0'));
}

class ActFehlerInDenInformationenTest : public StoerungenTest,
                                        public ::testing::WithParamInterface<int> {};

TEST_P(ActFehlerInDenInformationenTest, EndsInOrderWithoutWriting) {
    StartAct(L"C:\\ACT\\Daten\\Kunden.dbf");
    // Each question for the open database connects anew (one message dispatch each); the
    // question of the parameter's number fails.
    int dispatches = 0;
    sim::Messages().onDispatch = [&] {
        if (++dispatches == GetParam()) {
            Act().faults[L"App.GetOpenDBName"] = {-2147418113, L"Katastrophaler Fehler"};
        }
    };
    EXPECT_EQ(Run(L""), 2);
    ExpectErrorBox(-2147418113, L"Katastrophaler Fehler");
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(sim::Clipboard().clears, 0);
    EXPECT_TRUE(sim::RegistryCallsOf(L"RegSetValueExA").empty());
}

INSTANTIATE_TEST_SUITE_P(Abfragen, ActFehlerInDenInformationenTest, ::testing::Values(1, 2));

TEST_F(StoerungenTest, RegistryRefusingEveryWriteLeavesTheOldLayoutsAndStillOpens) {
    StartAct(L"C:\\ACT\\Daten\\Kunden.dbf");
    sim::Registry().refuseWrites = true;
    EXPECT_EQ(Run(kAlles), 0);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(DatabaseSetting(L"Group Layout"), kAlteGruppe + Text(1, L'\0'));
    EXPECT_EQ(DatabaseSetting(L"Contact Layout"), kAlterKontakt + Text(1, L'\0'));
    EXPECT_EQ(Act().openDatabase, kNeu);
    EXPECT_EQ(sim::OpenRegistryKeyCount(), 0u);
}

class ShellVerweigertTest : public StoerungenTest, public ::testing::WithParamInterface<int> {};

TEST_P(ShellVerweigertTest, RefusedLaunchEndsWithExitCode1AndWholeLayouts) {
    InstallAct();
    sim::Shell().forcedAnswer = GetParam();
    EXPECT_EQ(Run(kAlles), 1);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_FALSE(Act().running);
    ExpectLayoutsOldOrNew();
    ASSERT_EQ(sim::Shell().launches.size(), 1u);
    EXPECT_EQ(sim::Shell().launches[0].answer, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Codes, ShellVerweigertTest, ::testing::Range(0, 33));

TEST_F(StoerungenTest, FailureInsideTheLaunchShowsItsBoxAndTheRunStillEnds) {
    InstallAct();
    sim::Shell().failNextCall = platform::StandardFailure(platform::kOutOfMemory);
    EXPECT_EQ(Run(kAlles), 1);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, L"LaunchProgram");
    EXPECT_EQ(Boxes()[0].text.rfind(L"Error: 7. ", 0), 0u);
    ExpectLayoutsOldOrNew();
}

TEST_F(StoerungenTest, ActWindowVanishingBetweenTheTwoSearchesCountsAsRunningOnce) {
    StartAct(L"C:\\ACT\\Daten\\Kunden.dbf");
    // ACT! ends as soon as the first search has seen its window.
    sim::Windows().afterVisit = [](platform::Handle32 handle) {
        if (handle == sim::kActMainWindow) {
            sim::Act().State().running = false;
            sim::Windows().afterVisit = nullptr;
        }
    };
    EXPECT_EQ(Run(kAlles), 1);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, L"Bitte verwenden Sie das Programm Quendelhof nur mit ACT! 6");
    EXPECT_FALSE(AnythingWritten());
}

TEST_F(StoerungenTest, ActWindowVanishingDuringTheEnumerationIsNotFound) {
    StartAct(L"C:\\ACT\\Daten\\Kunden.dbf");
    InstallAct();
    sim::AddWindow(L"Notepad", L"Unbenannt");
    sim::Windows().afterVisit = [](platform::Handle32 handle) {
        if (handle != sim::kActMainWindow) {
            sim::RemoveWindow(sim::kActMainWindow);
        }
    };
    EXPECT_EQ(Run(kAlles), 0);
    EXPECT_TRUE(Boxes().empty());
    ExpectLayoutsOldOrNew();
}

// ACT! closed after the run found it running, before the layouts are written: while the
// question to reopen is open, or right after it closed its database. Nothing is written or
// opened, the user is told, and the run ends with exit code 2.
class ACTGeschlossenImWechselTest : public StoerungenTest,
                                    public ::testing::WithParamInterface<bool> {};

TEST_P(ACTGeschlossenImWechselTest, WritesNothingAndSaysSo) {
    const bool waehrendDerFrage = GetParam();
    StartAct(waehrendDerFrage ? kNeu : kKunden);
    sim::Boxes().responder = [](const sim::MessageBoxRecord&) {
        sim::Act().State().running = false;
        return platform::kIdYes;
    };
    int dispatches = 0;
    sim::Messages().onDispatch = [&] {
        // The fourth dispatch follows the close.
        if (!waehrendDerFrage && ++dispatches == 4) {
            sim::Act().State().running = false;
        }
    };
    EXPECT_EQ(Run(kAlles), 2);
    ASSERT_FALSE(Boxes().empty());
    EXPECT_EQ(Boxes().back().text, kNichtErreichbar);
    EXPECT_EQ(Boxes().size(), waehrendDerFrage ? 2u : 1u);
    EXPECT_FALSE(AnythingWritten());
    Lines journal = Journal();
    EXPECT_EQ(std::count_if(journal.begin(), journal.end(),
                            [](const Text& l) { return l.find(L".OpenDB(") != Text::npos; }),
              0);
}

INSTANTIATE_TEST_SUITE_P(Zeitpunkte, ACTGeschlossenImWechselTest, ::testing::Bool());

// ACT! gone while the information mode asks it counts as ACT! not running: the box without
// an example, exit code 0.
TEST_F(StoerungenTest, ActGoneWhileTheInformationAsksShowsNoExample) {
    StartAct(kKunden);
    Act().crashes.insert(L"App.GetOpenDBName");
    sim::AnswerNextBoxes({platform::kIdOk});
    EXPECT_EQ(Run(L""), 0);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, L"Informationen über Quendelhof");
    EXPECT_EQ(Boxes()[0].text.find(L"Beispiel"), Text::npos);
    EXPECT_EQ(sim::Clipboard().text, Text());
}

TEST_F(StoerungenTest, ClipboardHeldByAnotherProgramStillShowsTheInformation) {
    StartAct(L"C:\\ACT\\Daten\\Kunden.dbf");
    sim::Clipboard().heldByOtherProgram = true;
    EXPECT_EQ(Run(L""), 0);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, L"Informationen über Quendelhof");
}

}  // namespace
