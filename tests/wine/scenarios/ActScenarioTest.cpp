#include "ActScenarioTest.h"

#include "tools/ActKeys.h"
#include "tools/BundleFolder.h"

namespace winetest {

namespace {

const std::wstring kDatabaseKey = L"HKEY_CURRENT_USER\\Software\\Symantec\\ACT!\\Database";

}  // namespace

std::wstring StandinExe() {
    return BundleFile(L"qh_actstandin.exe");
}

std::wstring DriverExe() {
    return BundleFile(L"qh_actdriver.exe");
}

std::wstring HandOverExe() {
    return BundleFile(L"qh_handover.exe");
}

std::wstring Quoted(const std::wstring& text) {
    return L"\"" + text + L"\"";
}

std::vector<std::wstring> Connected(std::vector<std::wstring> calls) {
    calls.insert(calls.begin(), L"create App");
    calls.push_back(L"release App");
    return calls;
}

std::vector<std::wstring> Joined(std::initializer_list<std::vector<std::wstring>> parts) {
    std::vector<std::wstring> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

void ActScenarioTest::SetUp() {
    ScenarioTest::SetUp();
    // The test program checked this at its start; the check stands here too, as it guards what
    // the test deletes.
    std::vector<std::wstring> foreign = ForeignActKeys();
    ASSERT_TRUE(foreign.empty()) << ActKeysRefusal(foreign);
    ASSERT_TRUE(ResetActSettings()) << "cannot make ACT!'s settings keys";
    db_ = MakeFile(L"K.dbf");
    contact_ = MakeFile(L"L.cly");
    group_ = MakeFile(L"G.gly");
    act_ = std::make_unique<StandinAct>(PathOf(L"ACT"));
}

void ActScenarioTest::TearDown() {
    if (act_ && act_->Running()) {
        EXPECT_TRUE(act_->Stop()) << "the stand-in did not end when asked";
    }
    act_.reset();
    DeleteActSettings();
    ScenarioTest::TearDown();
}

void ActScenarioTest::InstallAct(const std::wstring& setup) {
    ASSERT_TRUE(act_->Install(StandinExe(), setup)) << "cannot install the stand-in";
}

void ActScenarioTest::StartAct(const std::wstring& setup) {
    InstallAct(setup);
    ASSERT_TRUE(act_->Start()) << "the stand-in did not come up, exit code " << act_->ExitCode();
}

void ActScenarioTest::StopAct() {
    ASSERT_TRUE(act_->Stop()) << "the stand-in did not end when asked";
    EXPECT_EQ(act_->ExitCode(), 0u);
}

void ActScenarioTest::SetInstallDir(const std::wstring& folder, RegView view) {
    ASSERT_TRUE(
        RegImport(L"Windows Registry Editor Version 5.00\r\n\r\n"
                  L"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Symantec\\ACT!\\Install\\5.0]\r\n"
                  L"\"InstallDir\"=\"" +
                      RegFileQuoted(folder) + L"\"\r\n",
                  view));
}

void ActScenarioTest::SetCurrentLayouts(const std::wstring& contact, const std::wstring& group) {
    std::wstring text =
        L"Windows Registry Editor Version 5.00\r\n\r\n"
        L"[HKEY_CURRENT_USER\\Software\\Symantec\\ACT!\\Layout]\r\n";
    if (!contact.empty()) {
        text += L"\"CurrentContactLayout\"=\"" + RegFileQuoted(contact) + L"\"\r\n";
    }
    if (!group.empty()) {
        text += L"\"CurrentGroupLayout\"=\"" + RegFileQuoted(group) + L"\"\r\n";
    }
    ASSERT_TRUE(RegImport(text));
}

std::optional<std::map<std::wstring, std::wstring>> ActScenarioTest::DatabaseSettings() {
    return RegExportStrings(kDatabaseKey);
}

std::wstring ActScenarioTest::Drive(const std::wstring& operation, std::vector<Button> script,
                                    RunResult& run) {
    std::wstring resultFile = PathOf(L"driver-result.txt");
    DeleteFileW(resultFile.c_str());
    run = RunRaw(DriverExe(), Quoted(DriverExe()) + L" " + Quoted(resultFile) + L" " + operation,
                 std::move(script));
    std::wstring result = ReadUtf8File(resultFile);
    while (!result.empty() && (result.back() == L'\n' || result.back() == L'\r')) {
        result.pop_back();
    }
    return result;
}

}  // namespace winetest
