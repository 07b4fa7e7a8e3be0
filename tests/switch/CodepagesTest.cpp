// The switch and the information mode under each ANSI code page that Windows can have: the
// paths that the code page holds are found, written and read back exactly; the others are
// refused as under any code page.
#include <gtest/gtest.h>

#include "WechselTestBasis.h"
#include "sim/desktop/SimClipboard.h"
#include "sim/desktop/SimCodePage.h"
#include "sim/desktop/SimText.h"

namespace {

namespace sim = platform::sim;
using platform::Text;

struct Codepage {
    std::uint32_t number;
    const char* folder;       // a folder name of characters that the code page holds (UTF-8)
    std::string folderBytes;  // the same name in the code page
    Text foreign;             // a file name the code page cannot hold
};

const Codepage kCodepages[] = {
    {1252, "Müller€", "M\xFCller\x80", L"Łódź.dbf"},
    {65001, "Müller_Łódź_日本",
     "M\xC3\xBCller_\xC5\x81\xC3\xB3\x64\xC5\xBA_\xE6\x97\xA5\xE6\x9C\xAC",
     Text(L"K") + static_cast<wchar_t>(0xD800) + L".dbf"},
    // The second bytes of テ and 表 are a backslash's.
    {932, "データ表", "\x83\x66\x81\x5B\x83\x5E\x95\x5C", L"Müller.dbf"},
    {1251, "Данные", "\xC4\xE0\xED\xED\xFB\xE5", L"Müller.dbf"},
};

void PrintTo(const Codepage& codepage, std::ostream* out) {
    *out << codepage.number;
}

class CodepagesTest : public testsupport::WechselTestBasis,
                      public ::testing::WithParamInterface<Codepage> {
  protected:
    void SetUp() override {
        WechselTestBasis::SetUp();
        ASSERT_TRUE(sim::SetAnsiCodePage(GetParam().number));
        folder_ = L"C:\\" + sim::FromUtf8(GetParam().folder) + L"\\";
        for (const char* name : {"Neu.dbf", "K.cly", "G.gly"}) {
            MakeFile(std::string("c/") + GetParam().folder + "/" + name);
        }
    }
    Text Path(const Text& name) const { return folder_ + name; }

    // The bytes of a value in ACT!'s database settings, up to its terminating NUL.
    std::string StoredBytes(const Text& name) {
        auto value = sim::RegistryValueOf(platform::kHkeyCurrentUser, kDatabaseKey, name);
        if (!value || value->data.empty()) {
            return std::string();
        }
        return std::string(value->data.begin(), value->data.end() - 1);
    }

    Text folder_;
};

TEST_P(CodepagesTest, SwitchFindsThePathsAndWritesThemExactly) {
    StartAct();
    EXPECT_EQ(Run(Path(L"Neu.dbf") + L"," + Path(L"K.cly") + L"," + Path(L"G.gly")), 0);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Act().openDatabase, Path(L"Neu.dbf"));
    EXPECT_EQ(StoredBytes(L"Contact Layout"), "C:\\" + GetParam().folderBytes + "\\K.cly");
    EXPECT_EQ(StoredBytes(L"Group Layout"), "C:\\" + GetParam().folderBytes + "\\G.gly");
}

TEST_P(CodepagesTest, InformationReadsTheLayoutsAndShortPathsBackExactly) {
    StartAct(Path(L"Neu.dbf"));
    sim::SetRegistryText(platform::kHkeyCurrentUser, kLayoutKey, L"CurrentContactLayout",
                         Path(L"K.cly"));
    sim::SetRegistryText(platform::kHkeyCurrentUser, kLayoutKey, L"CurrentGroupLayout",
                         Path(L"G.gly"));
    EXPECT_EQ(Run(L""), 0);
    EXPECT_EQ(sim::Clipboard().text, L"\"C:\\Programme\\Quendelhof\\Quendelhof.exe\" " +
                                         Path(L"Neu.dbf") + L"," + Path(L"K.cly") + L"," +
                                         Path(L"G.gly"));
}

TEST_P(CodepagesTest, PathTheCodePageCannotHoldIsRefused) {
    MakeFile("c/X.dbf");  // what the path would match if its lost characters became '?'
    StartAct();
    EXPECT_EQ(Run(L"C:\\" + GetParam().foreign), 1);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text,
              L"Die ACT!-Datenbankdatei \"C:\\" + GetParam().foreign + L"\" wurde nicht gefunden.");
    EXPECT_FALSE(AnythingWritten());
}

INSTANTIATE_TEST_SUITE_P(Codepages, CodepagesTest, ::testing::ValuesIn(kCodepages),
                         [](const auto& info) { return std::to_string(info.param.number); });

}  // namespace
