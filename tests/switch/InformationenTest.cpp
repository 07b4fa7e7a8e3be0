// The information mode: the message line by line, the example command line and the clipboard.
#include <gtest/gtest.h>

#include "QuendelhofVersion.h"
#include "WechselTestBasis.h"
#include "meldungen/Meldungen.h"
#include "platform/MessageBox.h"
#include "sim/desktop/SimClipboard.h"
#include "sim/desktop/SimShortPath.h"

namespace {

namespace sim = platform::sim;
using platform::Text;

// The information box as the build's version and the program's message list make it.
Text MitBeispiel(const Text& beispiel) {
    using meldungen::Id;
    const Text teil = beispiel.empty() ? Text() : meldungen::Wortlaut(Id::Beispiel, {beispiel});
    return meldungen::Wortlaut(Id::Informationen, {L"Quendelhof", QUENDELHOF_VERSION_W, teil});
}

class InformationenTest : public testsupport::WechselTestBasis {
  protected:
    void SetUp() override {
        WechselTestBasis::SetUp();
        sim::SetShortPathName(L"C:\\ACT\\Daten\\Kunden Neu.dbf", L"C:\\ACT\\Daten\\KUNDEN~1.DBF");
        sim::SetShortPathName(L"C:\\ACT\\Layouts\\Mein Kontakt.cly",
                              L"C:\\ACT\\Layouts\\MEINKO~1.CLY");
        sim::SetShortPathName(L"C:\\ACT\\Layouts\\Meine Gruppe.gly",
                              L"C:\\ACT\\Layouts\\MEINEG~1.GLY");
    }

    void SetLayouts(const Text& kontakt, const Text& gruppe) {
        if (!kontakt.empty()) {
            sim::SetRegistryText(platform::kHkeyCurrentUser, kLayoutKey, L"CurrentContactLayout",
                                 kontakt);
        }
        if (!gruppe.empty()) {
            sim::SetRegistryText(platform::kHkeyCurrentUser, kLayoutKey, L"CurrentGroupLayout",
                                 gruppe);
        }
    }

    const sim::MessageBoxRecord& TheBox() {
        EXPECT_EQ(Boxes().size(), 1u);
        return Boxes().at(0);
    }
};

TEST_F(InformationenTest, BothLayoutsGiveTheFullExampleOnScreenAndClipboard) {
    StartAct(L"C:\\ACT\\Daten\\Kunden Neu.dbf");
    SetLayouts(L"C:\\ACT\\Layouts\\Mein Kontakt.cly", L"C:\\ACT\\Layouts\\Meine Gruppe.gly");
    EXPECT_EQ(Run(L""), 0);
    const Text beispiel =
        L"\"C:\\Programme\\Quendelhof\\Quendelhof.exe\" C:\\ACT\\Daten\\KUNDEN~1.DBF,"
        L"C:\\ACT\\Layouts\\MEINKO~1.CLY,C:\\ACT\\Layouts\\MEINEG~1.GLY";
    EXPECT_EQ(TheBox().text, MitBeispiel(beispiel));
    EXPECT_EQ(TheBox().title, meldungen::Titel(meldungen::Id::Informationen, {L"Quendelhof"}));
    EXPECT_EQ(TheBox().style, platform::kMbOk | platform::kMbIconInformation);
    EXPECT_EQ(sim::Clipboard().text, beispiel);
    EXPECT_EQ(sim::Clipboard().clears, 1);
}

TEST_F(InformationenTest, OnlyTheContactLayoutEndsTheExampleWithIt) {
    StartAct(L"C:\\ACT\\Daten\\Kunden Neu.dbf");
    SetLayouts(L"C:\\ACT\\Layouts\\Mein Kontakt.cly", L"");
    Run(L"");
    EXPECT_EQ(sim::Clipboard().text,
              Text(L"\"C:\\Programme\\Quendelhof\\Quendelhof.exe\" C:\\ACT\\Daten\\KUNDEN~1.DBF,"
                   L"C:\\ACT\\Layouts\\MEINKO~1.CLY"));
}

TEST_F(InformationenTest, OnlyTheGroupLayoutStandsInSecondPlace) {
    StartAct(L"C:\\ACT\\Daten\\Kunden Neu.dbf");
    SetLayouts(L"", L"C:\\ACT\\Layouts\\Meine Gruppe.gly");
    Run(L"");
    EXPECT_EQ(sim::Clipboard().text,
              Text(L"\"C:\\Programme\\Quendelhof\\Quendelhof.exe\" C:\\ACT\\Daten\\KUNDEN~1.DBF,"
                   L"C:\\ACT\\Layouts\\MEINEG~1.GLY"));
}

TEST_F(InformationenTest, NoLayoutGivesTheDatabaseAlone) {
    StartAct(L"C:\\ACT\\Daten\\Kunden.dbf");
    Run(L"");
    EXPECT_EQ(sim::Clipboard().text,
              Text(L"\"C:\\Programme\\Quendelhof\\Quendelhof.exe\" C:\\ACT\\Daten\\Kunden.dbf"));
}

TEST_F(InformationenTest, LayoutThatDoesNotExistLeavesItsPieceEmptyButKeepsItsComma) {
    StartAct(L"C:\\ACT\\Daten\\Kunden.dbf");
    SetLayouts(L"C:\\Weg\\Fehlt.cly", L"C:\\ACT\\Layouts\\Gruppe.gly");
    Run(L"");
    EXPECT_EQ(sim::Clipboard().text,
              Text(L"\"C:\\Programme\\Quendelhof\\Quendelhof.exe\" C:\\ACT\\Daten\\Kunden.dbf,,"
                   L"C:\\ACT\\Layouts\\Gruppe.gly"));
    EXPECT_EQ(Boxes().size(), 1u);
}

TEST_F(InformationenTest, WithoutActThereIsNoExampleAndTheClipboardHoldsAnEmptyText) {
    SetLayouts(L"C:\\ACT\\Layouts\\Kontakt.cly", L"C:\\ACT\\Layouts\\Gruppe.gly");
    EXPECT_EQ(Run(L""), 0);
    EXPECT_EQ(TheBox().text, MitBeispiel(Text()));
    EXPECT_EQ(sim::Clipboard().text, Text());
    EXPECT_EQ(sim::Clipboard().clears, 1);
    EXPECT_TRUE(Journal().empty());
}

TEST_F(InformationenTest, ActWithoutOpenDatabaseGivesNoExample) {
    StartAct(L"");
    Run(L"");
    EXPECT_EQ(TheBox().text, MitBeispiel(Text()));
    EXPECT_EQ(Journal(), (Lines{L"create App", L"App.GetOpenDBName()", L"release App"}));
}

TEST_F(InformationenTest, RenamedProgramIsNamedInTheExampleButNotInTheUsage) {
    sim::Program().fileName = L"WECHSLER";
    sim::Program().folder = L"D:\\Werkzeuge";
    StartAct(L"C:\\ACT\\Daten\\Kunden.dbf");
    Run(L"");
    EXPECT_EQ(sim::Clipboard().text,
              Text(L"\"D:\\Werkzeuge\\WECHSLER.exe\" C:\\ACT\\Daten\\Kunden.dbf"));
    EXPECT_NE(TheBox().text.find(L"Aufruf durch: Quendelhof.exe <"), Text::npos);
}

TEST_F(InformationenTest, ProgramInTheRootFolderGetsOneBackslash) {
    sim::Program().folder = L"C:\\";
    StartAct(L"C:\\ACT\\Daten\\Kunden.dbf");
    Run(L"");
    EXPECT_EQ(sim::Clipboard().text, Text(L"\"C:\\Quendelhof.exe\" C:\\ACT\\Daten\\Kunden.dbf"));
}

TEST_F(InformationenTest, VersionComesFromTheProgramsVersionInformation) {
    sim::Program().version = {2, 5, 7, L"Quendelhof"};
    Run(L"");
    EXPECT_EQ(TheBox().text.substr(0, 16), L"Version: 2.5.7\r\n");
}

TEST_F(InformationenTest, ActIsAskedTwiceForItsDatabaseAndNothingElse) {
    StartAct(L"C:\\ACT\\Daten\\Kunden.dbf");
    Run(L"");
    EXPECT_EQ(Journal(), (Lines{L"create App", L"App.GetOpenDBName()", L"release App",
                                L"create App", L"App.GetOpenDBName()", L"release App"}));
}

TEST_F(InformationenTest, NothingIsWrittenToTheRegistry) {
    StartAct(L"C:\\ACT\\Daten\\Kunden.dbf");
    SetLayouts(L"C:\\ACT\\Layouts\\Kontakt.cly", L"C:\\ACT\\Layouts\\Gruppe.gly");
    Run(L"");
    EXPECT_TRUE(sim::RegistryCallsOf(L"RegSetValueExA").empty());
    EXPECT_TRUE(sim::RegistryCallsOf(L"RegCreateKeyExA").empty());
    EXPECT_EQ(sim::OpenRegistryKeyCount(), 0u);
}

TEST_F(InformationenTest, LayoutValueThatIsNoTextCountsAsEmpty) {
    StartAct(L"C:\\ACT\\Daten\\Kunden.dbf");
    sim::SetRegistryDword(platform::kHkeyCurrentUser, kLayoutKey, L"CurrentContactLayout", 3);
    Run(L"");
    EXPECT_EQ(sim::Clipboard().text,
              Text(L"\"C:\\Programme\\Quendelhof\\Quendelhof.exe\" C:\\ACT\\Daten\\Kunden.dbf"));
}

TEST_F(InformationenTest, ClipboardHeldByAnotherProgramStillShowsTheMessage) {
    sim::Clipboard().heldByOtherProgram = true;
    sim::Clipboard().text = L"fremd";
    StartAct(L"C:\\ACT\\Daten\\Kunden.dbf");
    EXPECT_EQ(Run(L""), 0);
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(sim::Clipboard().text, Text(L"fremd"));
}

TEST_F(InformationenTest, ErrorFromActEndsTheRunInOrderWithoutTouchingTheClipboard) {
    StartAct(L"C:\\ACT\\Daten\\Kunden.dbf");
    Act().faults[L"App.GetOpenDBName"] = {440, L"Automatisierungsfehler"};
    EXPECT_EQ(Run(L""), 2);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, L"Error: 440. Automatisierungsfehler");
    EXPECT_EQ(sim::Clipboard().clears, 0);
}

}  // namespace
