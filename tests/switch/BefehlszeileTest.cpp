// The command line: its split into the three paths, the tests of the files and their messages.
#include <gtest/gtest.h>

#include "platform/FileSearch.h"
#include "platform/MessageBox.h"
#include "support/SimDesktopTest.h"
#include "switch/modHaupt.h"

namespace {

using platform::Text;
namespace sim = platform::sim;

constexpr std::uint32_t kWarnung = platform::kMbOk | platform::kMbIconExclamation;

class BefehlszeileTest : public testsupport::SimDesktopTest {
  protected:
    void SetUp() override {
        SimDesktopTest::SetUp();
        MakeFile("K.dbf");
        MakeFile("L.cly");
        MakeFile("G.gly");
    }

    platform::TruthValue Pruefe(const Text& argument) {
        sim::Program().argumentText = argument;
        return modHaupt::PruefeBefehlszeile();
    }

    void ExpectOnlyBox(const Text& text) {
        ASSERT_EQ(Boxes().size(), 1u);
        EXPECT_EQ(Boxes()[0].text, text);
        EXPECT_EQ(Boxes()[0].title, L"Quendelhof");
        EXPECT_EQ(Boxes()[0].style, kWarnung);
    }

    const modHaupt::Laufzustand& Zustand() { return modHaupt::Zustand(); }
};

TEST_F(BefehlszeileTest, DatabaseAloneIsAcceptedWithoutLayouts) {
    EXPECT_EQ(Pruefe(L"K.dbf"), platform::kTrue);
    EXPECT_EQ(Zustand().strDatenbank, L"K.dbf");
    EXPECT_EQ(Zustand().strKontaktlayout, L"");
    EXPECT_EQ(Zustand().strGruppenlayout, L"");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(BefehlszeileTest, ThreePiecesAreStoredExactlyAsGiven) {
    Text db = PathOf("K.dbf");
    EXPECT_EQ(Pruefe(db + L"," + PathOf("L.cly") + L"," + PathOf("G.gly")), platform::kTrue);
    EXPECT_EQ(Zustand().strDatenbank, db);
    EXPECT_EQ(Zustand().strKontaktlayout, PathOf("L.cly"));
    EXPECT_EQ(Zustand().strGruppenlayout, PathOf("G.gly"));
}

TEST_F(BefehlszeileTest, EmptySecondPieceSkipsContactLayoutButKeepsGroupLayout) {
    EXPECT_EQ(Pruefe(L"K.dbf,,G.gly"), platform::kTrue);
    EXPECT_EQ(Zustand().strKontaktlayout, L"");
    EXPECT_EQ(Zustand().strGruppenlayout, L"G.gly");
}

TEST_F(BefehlszeileTest, EmptySecondPieceStillTestsGroupLayout) {
    EXPECT_EQ(Pruefe(L"K.dbf,,fehlt.gly"), platform::kFalse);
    ExpectOnlyBox(L"Die Gruppenlayoutdatei \"fehlt.gly\" wurde nicht gefunden.");
}

TEST_F(BefehlszeileTest, TrailingCommaGivesNoLayout) {
    EXPECT_EQ(Pruefe(L"K.dbf,"), platform::kTrue);
    EXPECT_EQ(Zustand().strKontaktlayout, L"");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(BefehlszeileTest, PiecesAfterTheThirdAreIgnored) {
    EXPECT_EQ(Pruefe(L"K.dbf,L.cly,G.gly,gibtesnicht"), platform::kTrue);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Zustand().strGruppenlayout, L"G.gly");
}

TEST_F(BefehlszeileTest, BlanksAroundTheWholeArgumentAreRemoved) {
    EXPECT_EQ(Pruefe(L"   K.dbf,L.cly,G.gly  "), platform::kTrue);
    EXPECT_EQ(Zustand().strDatenbank, L"K.dbf");
    EXPECT_EQ(Zustand().strGruppenlayout, L"G.gly");
}

TEST_F(BefehlszeileTest, BlankAfterACommaBelongsToTheNextPath) {
    EXPECT_EQ(Pruefe(L"K.dbf, L.cly"), platform::kFalse);
    ExpectOnlyBox(L"Die Kontaktlayoutdatei \" L.cly\" wurde nicht gefunden.");
    EXPECT_EQ(Zustand().strKontaktlayout, L"");
}

TEST_F(BefehlszeileTest, BlankAfterACommaFindsAFileWhoseNameBeginsWithABlank) {
    MakeFile(" L.cly");
    EXPECT_EQ(Pruefe(L"K.dbf, L.cly"), platform::kTrue);
    EXPECT_EQ(Zustand().strKontaktlayout, L" L.cly");
}

TEST_F(BefehlszeileTest, QuotesAreOrdinaryCharactersOfAPiece) {
    EXPECT_EQ(Pruefe(L"\"K.dbf\""), platform::kFalse);
    ExpectOnlyBox(L"Die ACT!-Datenbankdatei \"\"K.dbf\"\" wurde nicht gefunden.");
}

TEST_F(BefehlszeileTest, MissingDatabaseIsReportedAndStopsBeforeTheLayouts) {
    EXPECT_EQ(Pruefe(L"fehlt.dbf,fehlt.cly,fehlt.gly"), platform::kFalse);
    ExpectOnlyBox(L"Die ACT!-Datenbankdatei \"fehlt.dbf\" wurde nicht gefunden.");
    EXPECT_EQ(Zustand().strDatenbank, L"");
}

TEST_F(BefehlszeileTest, MissingContactLayoutIsReportedAndKeepsTheDatabase) {
    EXPECT_EQ(Pruefe(L"K.dbf,fehlt.cly,fehlt.gly"), platform::kFalse);
    ExpectOnlyBox(L"Die Kontaktlayoutdatei \"fehlt.cly\" wurde nicht gefunden.");
    EXPECT_EQ(Zustand().strDatenbank, L"K.dbf");
    EXPECT_EQ(Zustand().strGruppenlayout, L"");
}

TEST_F(BefehlszeileTest, MissingGroupLayoutIsReported) {
    EXPECT_EQ(Pruefe(L"K.dbf,L.cly,fehlt.gly"), platform::kFalse);
    ExpectOnlyBox(L"Die Gruppenlayoutdatei \"fehlt.gly\" wurde nicht gefunden.");
    EXPECT_EQ(Zustand().strKontaktlayout, L"L.cly");
    EXPECT_EQ(Zustand().strGruppenlayout, L"");
}

TEST_F(BefehlszeileTest, ContactLayoutWithOtherExtensionIsWarnedAboutAndTaken) {
    MakeFile("L.lay");
    EXPECT_EQ(Pruefe(L"K.dbf,L.lay"), platform::kTrue);
    ExpectOnlyBox(L"Die Datei \"L.lay\" ist keine Kontaktlayoutdatei.");
    EXPECT_EQ(Zustand().strKontaktlayout, L"L.lay");
}

TEST_F(BefehlszeileTest, GroupLayoutWithOtherExtensionIsWarnedAboutAndTaken) {
    MakeFile("G.txt");
    EXPECT_EQ(Pruefe(L"K.dbf,L.cly,G.txt"), platform::kTrue);
    ExpectOnlyBox(L"Die Datei \"G.txt\" ist keine Gruppenlayoutdatei.");
    EXPECT_EQ(Zustand().strGruppenlayout, L"G.txt");
}

TEST_F(BefehlszeileTest, LayoutsSwappedDrawTwoWarnings) {
    EXPECT_EQ(Pruefe(L"K.dbf,G.gly,L.cly"), platform::kTrue);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].text, L"Die Datei \"G.gly\" ist keine Kontaktlayoutdatei.");
    EXPECT_EQ(Boxes()[1].text, L"Die Datei \"L.cly\" ist keine Gruppenlayoutdatei.");
}

TEST_F(BefehlszeileTest, WarningComesBeforeTheNextMissingFile) {
    MakeFile("L.lay");
    EXPECT_EQ(Pruefe(L"K.dbf,L.lay,fehlt.gly"), platform::kFalse);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].text, L"Die Datei \"L.lay\" ist keine Kontaktlayoutdatei.");
    EXPECT_EQ(Boxes()[1].text, L"Die Gruppenlayoutdatei \"fehlt.gly\" wurde nicht gefunden.");
}

TEST_F(BefehlszeileTest, ExtensionTestIgnoresCase) {
    MakeFile("L2.CLY");
    MakeFile("G2.GlY");
    EXPECT_EQ(Pruefe(L"K.dbf,L2.CLY,G2.GlY"), platform::kTrue);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(BefehlszeileTest, PieceOfFourCharactersOrFewerHasNoExtensionTest) {
    MakeFile("abc");
    MakeFile(".gly");
    EXPECT_EQ(Pruefe(L"K.dbf,abc,abc"), platform::kTrue);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Zustand().strKontaktlayout, L"abc");
}

TEST_F(BefehlszeileTest, FiveCharacterPieceHasItsExtensionTested) {
    MakeFile("x.gly");
    EXPECT_EQ(Pruefe(L"K.dbf,x.gly"), platform::kTrue);
    ExpectOnlyBox(L"Die Datei \"x.gly\" ist keine Kontaktlayoutdatei.");
}

TEST_F(BefehlszeileTest, DatabaseExtensionIsNotTested) {
    MakeFile("Daten.txt");
    EXPECT_EQ(Pruefe(L"Daten.txt"), platform::kTrue);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(BefehlszeileTest, FolderAsDatabaseIsNotAFile) {
    MakeFolder("Ordner.dbf");
    EXPECT_EQ(Pruefe(L"Ordner.dbf"), platform::kFalse);
    ExpectOnlyBox(L"Die ACT!-Datenbankdatei \"Ordner.dbf\" wurde nicht gefunden.");
}

TEST_F(BefehlszeileTest, HiddenAndSystemFilesDoNotCount) {
    MakeFile("Versteckt.dbf");
    MakeFile("System.cly");
    sim::SetFileAttributes(Folder() / "Versteckt.dbf", platform::kFileAttributeHidden);
    sim::SetFileAttributes(Folder() / "System.cly", platform::kFileAttributeSystem);
    EXPECT_EQ(Pruefe(L"Versteckt.dbf"), platform::kFalse);
    EXPECT_EQ(Pruefe(L"K.dbf,System.cly"), platform::kFalse);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[1].text, L"Die Kontaktlayoutdatei \"System.cly\" wurde nicht gefunden.");
}

TEST_F(BefehlszeileTest, ReadOnlyFileCounts) {
    MakeFile("Nurlesen.dbf");
    sim::SetFileAttributes(Folder() / "Nurlesen.dbf", platform::kFileAttributeReadOnly);
    EXPECT_EQ(Pruefe(L"Nurlesen.dbf"), platform::kTrue);
}

TEST_F(BefehlszeileTest, WildcardsMatchAsInAFileSearch) {
    EXPECT_EQ(Pruefe(L"K*.dbf,?.cly"), platform::kTrue);
    EXPECT_EQ(Zustand().strDatenbank, L"K*.dbf");
    EXPECT_EQ(Zustand().strKontaktlayout, L"?.cly");
    EXPECT_EQ(Pruefe(L"*.mdb"), platform::kFalse);
}

TEST_F(BefehlszeileTest, WildcardSkipsFoldersAndFindsAFileBehindThem) {
    MakeFolder("A.dbf");
    MakeFile("B.dbf");
    EXPECT_EQ(Pruefe(L"?.dbf"), platform::kTrue);
}

TEST_F(BefehlszeileTest, FileNamesMatchWithoutRegardToCase) {
    EXPECT_EQ(Pruefe(L"k.DBF"), platform::kTrue);
    EXPECT_EQ(Zustand().strDatenbank, L"k.DBF");
}

TEST_F(BefehlszeileTest, AbsolutePathsAndFoldersWork) {
    Text db = MakeFile("Daten/Kunden.dbf");
    EXPECT_EQ(Pruefe(db), platform::kTrue);
    EXPECT_EQ(Pruefe(PathOf("Daten/fehlt.dbf")), platform::kFalse);
}

TEST_F(BefehlszeileTest, ArgumentStartingWithACommaNamesTheEmptyDatabase) {
    EXPECT_EQ(Pruefe(L",L.cly,G.gly"), platform::kFalse);
    ExpectOnlyBox(L"Die ACT!-Datenbankdatei \"\" wurde nicht gefunden.");
}

TEST_F(BefehlszeileTest, ArgumentOfBlanksOnlyNamesTheEmptyDatabase) {
    sim::Program().argumentText = L"    ";
    EXPECT_EQ(modHaupt::Programmlauf(), 1);
    ExpectOnlyBox(L"Die ACT!-Datenbankdatei \"\" wurde nicht gefunden.");
}

TEST_F(BefehlszeileTest, UmlautsOfTheCodePageAreFound) {
    MakeFile("Müller.dbf");
    EXPECT_EQ(Pruefe(L"Müller.dbf"), platform::kTrue);
}

TEST_F(BefehlszeileTest, PathOutsideTheCodePageFailsInsteadOfMatchingAnotherFile) {
    // In the code page "Łódź" would become "?ód?", a pattern that matches "Xódy".
    MakeFile("Xódy.dbf");
    EXPECT_EQ(Pruefe(L"Łódź.dbf"), platform::kFalse);
    ExpectOnlyBox(L"Die ACT!-Datenbankdatei \"Łódź.dbf\" wurde nicht gefunden.");
}

TEST_F(BefehlszeileTest, LayoutOutsideTheCodePageFailsToo) {
    MakeFile("Xa.cly");
    EXPECT_EQ(Pruefe(L"K.dbf,Ōa.cly"), platform::kFalse);
    ExpectOnlyBox(L"Die Kontaktlayoutdatei \"Ōa.cly\" wurde nicht gefunden.");
}

TEST_F(BefehlszeileTest, EachRunStartsWithEmptyPaths) {
    EXPECT_EQ(Pruefe(L"K.dbf,L.cly,G.gly"), platform::kTrue);
    EXPECT_EQ(Pruefe(L"fehlt.dbf"), platform::kFalse);
    EXPECT_EQ(Zustand().strDatenbank, L"");
    EXPECT_EQ(Zustand().strKontaktlayout, L"");
    EXPECT_EQ(Zustand().strGruppenlayout, L"");
}

class MainTest : public BefehlszeileTest {};

TEST_F(MainTest, NoArgumentTestsNoFileAndEndsWell) {
    sim::Program().argumentText = L"";
    EXPECT_EQ(modHaupt::Programmlauf(), 0);
    EXPECT_EQ(modHaupt::Zustand().strDatenbank, L"");
    for (const auto& box : Boxes()) {
        EXPECT_EQ(box.text.find(L"wurde nicht gefunden"), Text::npos);
    }
}

TEST_F(MainTest, MissingDatabaseEndsWithExitCode1) {
    sim::Program().argumentText = L"fehlt.dbf";
    EXPECT_EQ(modHaupt::Programmlauf(), 1);
    ExpectOnlyBox(L"Die ACT!-Datenbankdatei \"fehlt.dbf\" wurde nicht gefunden.");
}

TEST_F(MainTest, BoxesAreAnsweredOnlyByTheScript) {
    sim::Program().argumentText = L"fehlt.dbf";
    modHaupt::Programmlauf();
    EXPECT_EQ(sim::UnscriptedBoxCount(), 1);
}

}  // namespace
