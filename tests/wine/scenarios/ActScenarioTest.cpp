#include "ActScenarioTest.h"

namespace winetest {

namespace {

const std::wstring kDatabaseKey = L"HKEY_CURRENT_USER\\Software\\Symantec\\ACT!\\Database";

}  // namespace

std::wstring StandinExe() {
    return BuiltFile(QH_WINE_STANDIN_EXE);
}

std::wstring DriverExe() {
    return BuiltFile(QH_WINE_DRIVER_EXE);
}

std::wstring HandOverExe() {
    return BuiltFile(QH_WINE_HANDOVER_EXE);
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
    ClearActSettings();
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
    ClearActSettings();
    ScenarioTest::TearDown();
}

// Directly, not through reg.exe: it runs twice in every test and checks nothing.
void ActScenarioTest::ClearActSettings() {
    LSTATUS user = RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Symantec");
    EXPECT_TRUE(user == ERROR_SUCCESS || user == ERROR_FILE_NOT_FOUND) << user;
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        HKEY software = nullptr;
        ASSERT_EQ(
            RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE", 0, KEY_ALL_ACCESS | view, &software),
            ERROR_SUCCESS);
        LSTATUS machine = RegDeleteTreeW(software, L"Symantec");
        RegCloseKey(software);
        EXPECT_TRUE(machine == ERROR_SUCCESS || machine == ERROR_FILE_NOT_FOUND) << machine;
    }
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
