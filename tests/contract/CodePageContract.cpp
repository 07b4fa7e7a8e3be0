// The code page conversions of the port, under each ANSI code page the program meets: which
// flags and used-default reports each code page takes, what a character outside it becomes, and
// the program's own conversions built on them (Ansi.h).
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "PortContractTest.h"
#include "platform/CodePage.h"
#include "platform/core/Ansi.h"

namespace portcontract {
namespace {

using namespace std::string_view_literals;
using platform::codepage::kErrInvalidChars;
using platform::codepage::kMbErrInvalidChars;
using platform::codepage::kNoBestFitChars;

constexpr std::uint32_t kMbPrecomposed = 0x01;  // MB_PRECOMPOSED

// The rows of the code pages this backend runs its tests under.
template <typename Row, std::size_t N>
std::vector<Row> RowsHere(const Row (&rows)[N]) {
    std::vector<std::uint32_t> here = CodePagesHere();
    std::vector<Row> found;
    std::copy_if(std::begin(rows), std::end(rows), std::back_inserter(found), [&](const Row& row) {
        return std::find(here.begin(), here.end(), row.codePage) != here.end();
    });
    return found;
}

// AnsiCodePage.
struct CodePageRow {
    const char* name;
    std::uint32_t codePage;
};

const CodePageRow kCodePageRows[] = {
    {"cp1252", 1252}, {"cp65001", 65001}, {"cp932", 932}, {"cp1251", 1251}};

using PortContractCodePageAnsiCodePage = PortContractTable<CodePageRow>;

TEST_P(PortContractCodePageAnsiCodePage, IsTheSystemsCodePage) {
    Env().UseCodePage(GetParam().codePage);
    EXPECT_EQ(platform::codepage::AnsiCodePage(), GetParam().codePage);
}

INSTANTIATE_TEST_SUITE_P(Rows, PortContractCodePageAnsiCodePage,
                         ::testing::ValuesIn(RowsHere(kCodePageRows)), RowName());

// WideToAnsi: nothing for a refused call; the used-default report where the row asks for one.
struct WideToAnsiRow {
    const char* name;
    std::uint32_t codePage;
    std::wstring_view text;
    std::uint32_t flags;
    bool report;
    std::optional<std::string_view> bytes;
    bool usedDefault = false;
    WineDifference wine = WineDifference::None;
};

const WideToAnsiRow kWideToAnsiRows[] = {
    {"cp1252_Umlaut", 1252, L"Ä", kNoBestFitChars, true, "\xC4"sv},
    {"cp1252_EuroFromTheCodePagesOwnRange", 1252, L"€", kNoBestFitChars, true, "\x80"sv},
    {"cp1252_OutsideBecomesDefault", 1252, L"Ω", kNoBestFitChars, true, "?"sv, true},
    {"cp1252_EmbeddedNulKept", 1252, L"a\0b"sv, 0, false, "a\0b"sv},
    {"cp1252_ErrInvalidCharsRefused", 1252, L"a", kErrInvalidChars, false, std::nullopt, false,
     WineDifference::OtherCodePagesTakeErrInvalidChars},
    {"cp65001_Umlaut", 65001, L"Ä", 0, false, "\xC3\x84"sv},
    {"cp65001_SurrogatePair", 65001, L"\U0001F600", 0, false, "\xF0\x9F\x98\x80"sv},
    {"cp65001_LoneSurrogateBecomesReplacement", 65001, L"a\xD800", 0, false, "a\xEF\xBF\xBD"sv},
    {"cp65001_ErrInvalidCharsTaken", 65001, L"Ä", kErrInvalidChars, false, "\xC3\x84"sv},
    {"cp65001_ErrInvalidCharsRefusesLoneSurrogate", 65001, L"a\xD800", kErrInvalidChars, false,
     std::nullopt},
    {"cp65001_NoBestFitRefused", 65001, L"Ä", kNoBestFitChars, false, std::nullopt, false,
     WineDifference::Utf8TakesNoBestFitFlag},
    {"cp65001_UsedDefaultReportRefused", 65001, L"Ä", 0, true, std::nullopt, false,
     WineDifference::Utf8TakesUsedDefaultReport},
    {"cp932_Kanji", 932, L"日本", kNoBestFitChars, true, "\x93\xFA\x96\x7B"sv},
    {"cp932_HalfwidthKatakana", 932, L"ｱ", kNoBestFitChars, true, "\xB1"sv},
    // The yen sign's look-alike in 932 is the backslash; with the flag it becomes the default.
    {"cp932_YenBecomesDefault", 932, L"¥", kNoBestFitChars, true, "?"sv, true},
    {"cp932_ErrInvalidCharsRefused", 932, L"a", kErrInvalidChars, false, std::nullopt, false,
     WineDifference::OtherCodePagesTakeErrInvalidChars},
    {"cp1251_Cyrillic", 1251, L"Ж", kNoBestFitChars, true, "\xC6"sv},
    {"cp1251_UmlautBecomesDefault", 1251, L"Ä", kNoBestFitChars, true, "?"sv, true},
    {"cp1251_ErrInvalidCharsRefused", 1251, L"a", kErrInvalidChars, false, std::nullopt, false,
     WineDifference::OtherCodePagesTakeErrInvalidChars},
};

using PortContractCodePageWideToAnsi = PortContractTable<WideToAnsiRow>;

TEST_P(PortContractCodePageWideToAnsi, ConvertsOrRefuses) {
    const WideToAnsiRow& row = GetParam();
    Env().UseCodePage(row.codePage);
    bool usedDefault = !row.usedDefault;
    std::optional<std::string> bytes = platform::codepage::WideToAnsi(
        platform::Text(row.text), row.flags, row.report ? &usedDefault : nullptr);
    std::optional<std::string_view> got =
        bytes ? std::optional<std::string_view>(*bytes) : std::nullopt;
    if (WineDiffersAsKnown(row.wine, got, row.bytes)) {
        return;
    }
    EXPECT_EQ(got, row.bytes);
    if (row.report && row.bytes) {
        EXPECT_EQ(usedDefault, row.usedDefault);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, PortContractCodePageWideToAnsi,
                         ::testing::ValuesIn(RowsHere(kWideToAnsiRows)), RowName());

// AnsiToWide: nothing for a refused call.
struct AnsiToWideRow {
    const char* name;
    std::uint32_t codePage;
    std::string_view bytes;
    std::uint32_t flags;
    std::optional<std::wstring_view> text;
    WineDifference wine = WineDifference::None;
};

const AnsiToWideRow kAnsiToWideRows[] = {
    {"cp1252_HighBytes", 1252, "\xC4\x80", 0, L"Ä€"sv},
    {"cp1252_UndefinedByteToControl", 1252, "\x81", 0, L"\x0081"sv},
    {"cp1252_ErrInvalidCharsTaken", 1252, "\xC4", kMbErrInvalidChars, L"Ä"sv},
    {"cp1252_EmbeddedNulKept", 1252, "a\0b"sv, 0, L"a\0b"sv},
    {"cp65001_TwoBytes", 65001, "\xC3\x84", 0, L"Ä"sv},
    {"cp65001_InvalidByteBecomesReplacement", 65001, "a\xFF", 0, L"a\xFFFD"sv},
    {"cp65001_ErrInvalidCharsRefusesInvalidByte", 65001, "a\xFF", kMbErrInvalidChars, std::nullopt},
    {"cp65001_PrecomposedRefused", 65001, "a", kMbPrecomposed, std::nullopt,
     WineDifference::Utf8ReadingTakesOtherFlags},
    {"cp932_Kanji", 932, "\x93\xFA\x96\x7B", 0, L"日本"sv},
    {"cp932_BackslashStaysBackslash", 932, "\x5C", 0, L"\\"sv},
    {"cp932_LoneLeadByteBecomesDefault", 932, "a\x81", 0, L"a\x30FB"sv},
    {"cp932_ErrInvalidCharsRefusesLoneLeadByte", 932, "a\x81", kMbErrInvalidChars, std::nullopt},
    {"cp1251_Cyrillic", 1251, "\xC6", 0, L"Ж"sv},
    {"cp1251_UndefinedByteToControl", 1251, "\x98", 0, L"\x0098"sv},
};

using PortContractCodePageAnsiToWide = PortContractTable<AnsiToWideRow>;

TEST_P(PortContractCodePageAnsiToWide, ConvertsOrRefuses) {
    const AnsiToWideRow& row = GetParam();
    Env().UseCodePage(row.codePage);
    std::optional<platform::Text> text = platform::codepage::AnsiToWide(row.bytes, row.flags);
    std::optional<std::wstring_view> got =
        text ? std::optional<std::wstring_view>(*text) : std::nullopt;
    if (WineDiffersAsKnown(row.wine, got, row.text)) {
        return;
    }
    EXPECT_EQ(got, row.text);
}

INSTANTIATE_TEST_SUITE_P(Rows, PortContractCodePageAnsiToWide,
                         ::testing::ValuesIn(RowsHere(kAnsiToWideRows)), RowName());

// The program's conversions (Ansi.h) on the backend's: never a look-alike, and a text that is
// representable comes back unchanged.
struct AnsiRow {
    const char* name;
    std::uint32_t codePage;
    std::wstring_view text;
    std::string_view bytes;
    bool representable;
};

const AnsiRow kAnsiRows[] = {
    {"cp1252_Umlauts", 1252, L"Größe",
     "Gr\xF6\xDF"
     "e"sv,
     true},
    {"cp1252_QuestionMarkItself", 1252, L"?", "?"sv, true},
    {"cp1252_Greek", 1252, L"Ω", "?"sv, false},
    {"cp65001_Umlaut", 65001, L"Ä", "\xC3\x84"sv, true},
    {"cp65001_LoneSurrogate", 65001, L"\xD800", "\xEF\xBF\xBD"sv, false},
    {"cp932_Kanji", 932, L"日本", "\x93\xFA\x96\x7B"sv, true},
    {"cp932_YenIsNoBackslash", 932, L"C:\\¥", "C:\\?"sv, false},
    {"cp1251_Umlaut", 1251, L"Ä", "?"sv, false},
};

using PortContractCodePageAnsi = PortContractTable<AnsiRow>;

TEST_P(PortContractCodePageAnsi, ConvertsWithoutLookAlikes) {
    const AnsiRow& row = GetParam();
    Env().UseCodePage(row.codePage);
    platform::Text text(row.text);
    EXPECT_EQ(platform::ToAnsi(text), row.bytes);
    EXPECT_EQ(platform::IsAnsiRepresentable(text), row.representable);
    if (row.representable) {
        EXPECT_EQ(platform::FromAnsi(row.bytes), text);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, PortContractCodePageAnsi, ::testing::ValuesIn(RowsHere(kAnsiRows)),
                         RowName());

}  // namespace
}  // namespace portcontract
