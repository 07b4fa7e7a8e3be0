// Short path names: the system's short form, the empty text when there is none, and the error
// box when the system function cannot be reached.
#include <gtest/gtest.h>

#include "platform/MessageBox.h"
#include "sim/desktop/SimCodePage.h"
#include "support/SimDesktopTest.h"
#include "switch/modKurznameVon.h"

namespace {

using platform::Text;
namespace sim = platform::sim;

class KurznameVonTest : public testsupport::SimDesktopTest {};

TEST_F(KurznameVonTest, ExistingFileGivesTheSystemsShortForm) {
    Text path = MakeFile("Ordner mit Blank\\Kunden Datei.dbf");
    sim::SetShortPathName(path, L"C:\\ORDNER~1\\KUNDEN~1.DBF");
    EXPECT_EQ(modKurznameVon::KurznameVon(path), L"C:\\ORDNER~1\\KUNDEN~1.DBF");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(KurznameVonTest, VolumeWithoutShortNamesGivesThePathUnchanged) {
    Text path = MakeFile("K.dbf");
    EXPECT_EQ(modKurznameVon::KurznameVon(path), path);
}

TEST_F(KurznameVonTest, ExistingFolderIsShortenedToo) {
    Text path = MakeFolder("Daten");
    EXPECT_EQ(modKurznameVon::KurznameVon(path), path);
}

TEST_F(KurznameVonTest, MissingFileGivesTheEmptyTextWithoutMessage) {
    EXPECT_EQ(modKurznameVon::KurznameVon(PathOf("fehlt.dbf")), L"");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(KurznameVonTest, EmptyPathGivesTheEmptyText) {
    EXPECT_EQ(modKurznameVon::KurznameVon(L""), L"");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(KurznameVonTest, ShortFormOf254CharactersFitsTheBuffer) {
    Text shortForm = L"C:\\" + Text(251, L'A');
    sim::SetShortPathName(L"C:\\lang", shortForm);
    EXPECT_EQ(modKurznameVon::KurznameVon(L"C:\\lang"), shortForm);
}

TEST_F(KurznameVonTest, ShortFormOf255CharactersIsFetchedWithALargerBuffer) {
    Text shortForm = L"C:\\" + Text(252, L'B');
    sim::SetShortPathName(L"C:\\lang", shortForm);
    EXPECT_EQ(modKurznameVon::KurznameVon(L"C:\\lang"), shortForm);
}

TEST_F(KurznameVonTest, ShortFormOf300CharactersIsNeverABlankFilledBuffer) {
    Text shortForm = L"C:\\" + Text(297, L'C');
    sim::SetShortPathName(L"C:\\sehr lang", shortForm);
    Text result = modKurznameVon::KurznameVon(L"C:\\sehr lang");
    EXPECT_EQ(result, shortForm);
    EXPECT_EQ(result.find(L' '), Text::npos);
}

TEST_F(KurznameVonTest, ShortFormIsConvertedFromTheAnsiCodePage) {
    Text path = MakeFile("Grüße.dbf");
    EXPECT_EQ(modKurznameVon::KurznameVon(path), path);
}

TEST_F(KurznameVonTest, PathOutsideTheCodePageIsNotFound) {
    MakeFile("Ω.dbf");
    EXPECT_EQ(modKurznameVon::KurznameVon(PathOf("Ω.dbf")), L"")
        << "the system sees '?' in place of the character";
}

TEST_F(KurznameVonTest, YenSignUnder932IsNotTakenForABackslash) {
    ASSERT_TRUE(sim::SetAnsiCodePage(932));
    MakeFile("Daten/Kunden.dbf");  // what the path would name if the sign became a backslash
    EXPECT_EQ(modKurznameVon::KurznameVon(PathOf("Daten¥Kunden.dbf")), L"")
        << "the system sees '?' in place of the sign";
}

TEST_F(KurznameVonTest, UnreachableSystemFunctionShowsTheErrorBoxAndGivesTheEmptyText) {
    Text path = MakeFile("K.dbf");
    sim::ShortPaths().unreachable = true;
    EXPECT_EQ(modKurznameVon::KurznameVon(path), L"");
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, L"Error: 453. Specified DLL function not found");
    EXPECT_EQ(Boxes()[0].title, L"KurznameVon");
    EXPECT_EQ(Boxes()[0].style, platform::kMbOk);
}

}  // namespace
