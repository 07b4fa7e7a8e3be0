// Text helpers: the argument text of a command line, the split, trimming and lower case.
#include <gtest/gtest.h>

#include "platform/core/TextUtil.h"

namespace {

using platform::Text;

TEST(ArgumentTextOf, SkipsAQuotedProgramPathWithBlanks) {
    EXPECT_EQ(platform::ArgumentTextOf(L"\"C:\\Program Files\\Q\\Quendelhof.exe\" K.dbf,L.cly"),
              L"K.dbf,L.cly");
}

TEST(ArgumentTextOf, SkipsAnUnquotedProgramPathAndTheBlanksAfterIt) {
    EXPECT_EQ(platform::ArgumentTextOf(L"C:\\Q\\Quendelhof.exe  \t K.dbf"), L"K.dbf");
}

TEST(ArgumentTextOf, KeepsQuotesAndInnerAndTrailingBlanksOfTheArgument) {
    EXPECT_EQ(platform::ArgumentTextOf(L"Q.exe \"K.dbf\", L.cly "), L"\"K.dbf\", L.cly ");
}

TEST(ArgumentTextOf, ProgramNameAloneGivesTheEmptyText) {
    EXPECT_EQ(platform::ArgumentTextOf(L"\"C:\\Q\\Quendelhof.exe\""), L"");
    EXPECT_EQ(platform::ArgumentTextOf(L"Quendelhof.exe   "), L"");
    EXPECT_EQ(platform::ArgumentTextOf(L""), L"");
}

TEST(ArgumentTextOf, QuotedNameRunsToItsClosingQuoteEvenWithoutABlank) {
    EXPECT_EQ(platform::ArgumentTextOf(L"\"Q.exe\"K.dbf"), L"K.dbf");
    EXPECT_EQ(platform::ArgumentTextOf(L"\"C:\\unclosed K.dbf"), L"");
}

TEST(Split, KeepsEmptyPiecesAndGivesNoneForTheEmptyText) {
    EXPECT_EQ(platform::Split(L"a,,b,", L','), (std::vector<Text>{L"a", L"", L"b", L""}));
    EXPECT_TRUE(platform::Split(L"", L',').empty());
    EXPECT_EQ(platform::Split(L",", L','), (std::vector<Text>{L"", L""}));
}

TEST(TrimBlanks, RemovesSpacesOnlyNotTabs) {
    EXPECT_EQ(platform::TrimBlanks(L"  a b  "), L"a b");
    EXPECT_EQ(platform::TrimBlanks(L"\ta\t"), L"\ta\t");
    EXPECT_EQ(platform::TrimBlanks(L"   "), L"");
}

TEST(LowerCase, LowersLatinLettersIncludingUmlauts) {
    EXPECT_EQ(platform::LowerCase(L"C:\\DATEN\\MÜLLER.DBF"), L"c:\\daten\\müller.dbf");
    EXPECT_EQ(platform::LowerCase(L"ŁÓDŹ ŸÄ"), L"łódź ÿä");
    EXPECT_EQ(platform::LowerCase(L"ß×1"), L"ß×1");
}

TEST(LowerCase, LowersGreekAndCyrillicLetters) {
    EXPECT_EQ(platform::LowerCase(L"ΑΘΉΝΑ ΣΌΦΙΑ Ώ"), L"αθήνα σόφια ώ");
    EXPECT_EQ(platform::LowerCase(L"МОСКВА ЁЛКА ЇЖАК Ђ Џ"), L"москва ёлка їжак ђ џ");
    EXPECT_EQ(platform::LowerCase(L"ς ω я"), L"ς ω я");
}

}  // namespace
