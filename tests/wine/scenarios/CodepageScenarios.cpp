// The switch and the information mode of Quendelhof.exe under another ANSI code page than the
// prefix's: test-only copies of the program whose manifest asks for UTF-8 (65001) or Japanese
// (932), with paths of characters that only that code page holds (so that under 1252 they
// would be refused).
#include <gtest/gtest.h>

#include <algorithm>

#include "ActScenarioTest.h"
#include "Meldungen.h"
#include "tools/ClipboardText.h"

namespace winetest {
namespace {

struct Codepage {
    const char* name;
    const char* program;  // the copy of the program that runs under the code page
    const wchar_t* folder;
};

void PrintTo(const Codepage& codepage, std::ostream* out) {
    *out << codepage.name;
}

const Codepage kCodepages[] = {
    {"UTF8", QH_WINE_QUENDELHOF_UTF8_EXE, L"Grüße_aus_Łódź"},
    // The second bytes of テ and 表 in 932 are a backslash's.
    {"CP932", QH_WINE_QUENDELHOF_932_EXE, L"データ表"},
};

std::wstring ShortPath(const std::wstring& path) {
    wchar_t buffer[MAX_PATH] = {};
    DWORD length = GetShortPathNameW(path.c_str(), buffer, MAX_PATH);
    return std::wstring(buffer, length < MAX_PATH ? length : 0);
}

class CodepageScenario : public ActScenarioTest, public testing::WithParamInterface<Codepage> {
  protected:
    void SetUp() override {
        ActScenarioTest::SetUp();
        std::wstring folder = GetParam().folder;
        db_ = MakeFile(folder + L"\\Kunden.dbf");
        contact_ = MakeFile(folder + L"\\Kontakt.cly");
        group_ = MakeFile(folder + L"\\Gruppe.gly");
    }
    std::wstring Program() const { return BuiltFile(GetParam().program); }
};

TEST_P(CodepageScenario, SwitchFindsThePathsWritesAndOpensThemExactly) {
    StartAct(L"[ACT]\ndatabase=C:\\ACT\\Alt.dbf\n");
    ExpectRun(RunRaw(Program(), Quoted(Program()) + L" " + db_ + L"," + contact_ + L"," + group_),
              kErledigt, {});
    StopAct();
    EXPECT_EQ(DatabaseSettings(), (std::map<std::wstring, std::wstring>{
                                      {L"Group Layout", group_}, {L"Contact Layout", contact_}}));
    std::vector<std::wstring> journal = Act().Journal();
    EXPECT_NE(
        std::find(journal.begin(), journal.end(), L"call App.OpenDB(BSTR& " + Quoted(db_) + L")"),
        journal.end());
    EXPECT_NE(std::find(journal.begin(), journal.end(),
                        L"layouts " + Quoted(group_) + L" " + Quoted(contact_)),
              journal.end());
}

TEST_P(CodepageScenario, InformationReadsTheLayoutsAndShortPathsExactly) {
    ASSERT_TRUE(SetClipboardText(L"vorher"));
    SetCurrentLayouts(contact_, group_);
    StartAct(L"[ACT]\ndatabase=" + db_ + L"\n");
    std::wstring example = Quoted(Program()) + L" " + ShortPath(db_) + L"," + ShortPath(contact_) +
                           L"," + ShortPath(group_);
    ExpectRun(RunRaw(Program(), Quoted(Program()), {Button::Ok}), kErledigt,
              {Informationen(example)});
    EXPECT_EQ(ReadClipboardText(), std::optional<std::wstring>(example));
}

INSTANTIATE_TEST_SUITE_P(Codepages, CodepageScenario, testing::ValuesIn(kCodepages),
                         [](const auto& info) { return std::string(info.param.name); });

using CodepageScenario932 = ActScenarioTest;

TEST_F(CodepageScenario932, ExistingUmlautPathIsRefusedAsTheCodePageCannotHoldIt) {
    // In 932 it would become the pattern "M?ller.dbf", which matches another file too.
    std::wstring path = MakeFile(L"Müller.dbf");
    MakeFile(L"Mxller.dbf");
    std::wstring program = BuiltFile(QH_WINE_QUENDELHOF_932_EXE);
    ExpectRun(RunRaw(program, Quoted(program) + L" " + path, {Button::Ok}), kAngehalten,
              {{L"Die ACT!-Datenbankdatei \"" + path + L"\" wurde nicht gefunden."}});
}

TEST_F(CodepageScenario932, DatabaseWithAYenSignIsLeftOutOfTheExampleNotTakenForABackslash) {
    // What the path would name if the sign became the backslash of its look-alike in 932.
    MakeFile(L"Daten\\Kunden.dbf");
    std::wstring program = BuiltFile(QH_WINE_QUENDELHOF_932_EXE);
    StartAct(L"[ACT]\ndatabase=" + PathOf(L"Daten¥Kunden.dbf") + L"\n");
    ExpectRun(RunRaw(program, Quoted(program), {Button::Ok}), kErledigt,
              {Informationen(Quoted(program) + L" ")});
}

}  // namespace
}  // namespace winetest
