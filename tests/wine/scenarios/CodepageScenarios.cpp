// The switch and the information mode of Quendelhof.exe under another ANSI code page than the
// prefix's: test-only copies of the program whose manifest asks for UTF-8 (65001) or Japanese
// (932), with paths of characters that only that code page holds (so that under 1252 they
// would be refused).
#include <gtest/gtest.h>

#include <algorithm>

#include "ActScenarioTest.h"
#include "Meldungen.h"
#include "tools/BundleFolder.h"
#include "tools/ClipboardText.h"
#include "tools/CodePageSupport.h"

namespace winetest {
namespace {

struct Codepage {
    const char* name;
    const wchar_t* copy;  // the bundle's folder of the copy that asks for the code page
    UINT codePage;
    const wchar_t* folder;
};

void PrintTo(const Codepage& codepage, std::ostream* out) {
    *out << codepage.name;
}

const Codepage kCodepages[] = {
    {"UTF8", L"codepage-UTF-8", 65001, L"Grüße_aus_Łódź"},
    // The second bytes of テ and 表 in 932 are a backslash's.
    {"CP932", L"codepage-ja-JP", 932, L"データ表"},
};
const Codepage& kJapanese = kCodepages[1];

std::wstring CopyIn(const Codepage& codepage) {
    return BundleFile(std::wstring(codepage.copy) + L"\\Quendelhof.exe");
}

// The probe beside the copy, built with the same manifest, ends with the code page in force.
// Not in force is a fault where manifests are honoured, and a skip elsewhere.
void RequireCodePageInForce(const Codepage& codepage) {
    std::wstring probe = BundleFile(std::wstring(codepage.copy) + L"\\qh_codepageprobe.exe");
    Launch launch;
    launch.program = probe;
    launch.commandLine = Quoted(probe);
    RunResult run = RunProgram(launch);
    ASSERT_TRUE(run.started && !run.timedOut) << "the code-page probe did not run";
    if (run.exitCode != codepage.codePage && !ManifestCodePagesHonoured()) {
        GTEST_SKIP() << "code page " << codepage.codePage
                     << " not supported on this Windows (activeCodePage needs Windows 10 1903)";
    }
    ASSERT_EQ(run.exitCode, codepage.codePage) << "the copy does not run under its code page";
}

std::wstring ShortPath(const std::wstring& path) {
    wchar_t buffer[MAX_PATH] = {};
    DWORD length = GetShortPathNameW(path.c_str(), buffer, MAX_PATH);
    return std::wstring(buffer, length < MAX_PATH ? length : 0);
}

class CodepageScenario : public ActScenarioTest, public testing::WithParamInterface<Codepage> {
  protected:
    void SetUp() override {
        ActScenarioTest::SetUp();
        RequireCodePageInForce(GetParam());
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        std::wstring folder = GetParam().folder;
        db_ = MakeFile(folder + L"\\Kunden.dbf");
        contact_ = MakeFile(folder + L"\\Kontakt.cly");
        group_ = MakeFile(folder + L"\\Gruppe.gly");
    }
    std::wstring Program() const { return CopyIn(GetParam()); }
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

class CodepageScenario932 : public ActScenarioTest {
  protected:
    void SetUp() override {
        ActScenarioTest::SetUp();
        RequireCodePageInForce(kJapanese);
    }
};

TEST_F(CodepageScenario932, ExistingUmlautPathIsRefusedAsTheCodePageCannotHoldIt) {
    // In 932 it would become the pattern "M?ller.dbf", which matches another file too.
    std::wstring path = MakeFile(L"Müller.dbf");
    MakeFile(L"Mxller.dbf");
    std::wstring program = CopyIn(kJapanese);
    ExpectRun(RunRaw(program, Quoted(program) + L" " + path, {Button::Ok}), kAngehalten,
              {{L"Die ACT!-Datenbankdatei \"" + path + L"\" wurde nicht gefunden."}});
}

TEST_F(CodepageScenario932, DatabaseWithAYenSignIsLeftOutOfTheExampleNotTakenForABackslash) {
    // What the path would name if the sign became the backslash of its look-alike in 932.
    MakeFile(L"Daten\\Kunden.dbf");
    std::wstring program = CopyIn(kJapanese);
    StartAct(L"[ACT]\ndatabase=" + PathOf(L"Daten¥Kunden.dbf") + L"\n");
    ExpectRun(RunRaw(program, Quoted(program), {Button::Ok}), kErledigt,
              {Informationen(Quoted(program) + L" ")});
}

}  // namespace
}  // namespace winetest
