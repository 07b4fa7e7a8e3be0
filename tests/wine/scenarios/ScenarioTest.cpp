#include "ScenarioTest.h"

#include <windows.h>

#include <filesystem>

#include "tools/BundleFolder.h"
#include "tools/TimeFactor.h"

namespace winetest {

namespace {

constexpr wchar_t kWaitVariable[] = L"QUENDELHOF_WAIT";

// A stand-in ACT! that a broken-off test left behind would make every later test see ACT!
// running: it is asked to end (it revokes its classes then) before a test starts.
void CloseLeftoverActWindows() {
    for (DWORD attempt = 0; attempt < Scaled(250); ++attempt) {
        HWND window = FindWindowW(L"ACT3.0FrameClass", nullptr);
        if (window == nullptr) {
            return;
        }
        PostMessageW(window, WM_CLOSE, 0, 0);
        Sleep(20);
    }
    ADD_FAILURE() << "a stand-in ACT! of an earlier test does not end";
}

// A Linux path as Wine's drive Z: shows it (a path given to the tests under Wine).
std::wstring ThroughDriveZ(const std::wstring& linuxPath) {
    std::wstring path = L"Z:" + linuxPath;
    for (wchar_t& c : path) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return path;
}

}  // namespace

std::wstring QuendelhofExe() {
    // A packaged program can take the place of the bundle's: its Windows path, or under Wine
    // its Linux path, in this environment variable.
    wchar_t chosen[MAX_PATH * 2] = {};
    DWORD length = GetEnvironmentVariableW(L"QH_WINE_QUENDELHOF_EXE", chosen, MAX_PATH * 2);
    if (length > 0 && length < MAX_PATH * 2) {
        std::wstring path(chosen, length);
        return path[0] == L'/' && RunsUnderWine() ? ThroughDriveZ(path) : path;
    }
    return BundleFile(L"Quendelhof.exe");
}

std::wstring ShowBoxExe() {
    return BundleFile(L"qh_showbox.exe");
}

void ScenarioTest::SetUp() {
    CloseLeftoverActWindows();
    wchar_t temp[MAX_PATH + 1] = {};
    DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    ASSERT_GT(length, 0u);
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100 && folder_.empty(); ++attempt) {
        std::wstring candidate = std::wstring(temp, length) + L"qh-wine-" +
                                 std::to_wstring(GetCurrentProcessId()) + L"-" +
                                 std::to_wstring(++counter);
        if (CreateDirectoryW(candidate.c_str(), nullptr)) {
            folder_ = candidate;
        }
    }
    ASSERT_FALSE(folder_.empty()) << "no test folder could be made";
}

void ScenarioTest::TearDown() {
    SetEnvironmentVariableW(kWaitVariable, nullptr);
    if (!folder_.empty()) {
        std::error_code ignored;
        // Attributes such as hidden do not stop the removal; read-only files would.
        std::filesystem::remove_all(std::filesystem::path(folder_), ignored);
    }
}

std::wstring ScenarioTest::PathOf(const std::wstring& relativePath) const {
    return folder_ + L"\\" + relativePath;
}

std::wstring ScenarioTest::MakeFile(const std::wstring& relativePath, DWORD attributes) {
    std::wstring path = PathOf(relativePath);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << "cannot make a test file";
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, "x", 1, &written, nullptr);
        CloseHandle(file);
    }
    return path;
}

std::wstring ScenarioTest::MakeFolder(const std::wstring& relativePath) {
    std::wstring path = PathOf(relativePath);
    std::filesystem::create_directories(std::filesystem::path(path));
    return path;
}

std::wstring ScenarioTest::CopyProgramTo(const std::wstring& relativeFolder) {
    std::wstring copy = MakeFolder(relativeFolder) + L"\\Quendelhof.exe";
    EXPECT_TRUE(CopyFileW(QuendelhofExe().c_str(), copy.c_str(), FALSE))
        << "cannot copy the program, error " << GetLastError();
    return copy;
}

RunResult ScenarioTest::Run(const std::wstring& argument, std::vector<Button> script) {
    std::wstring program = QuendelhofExe();
    return RunRaw(program, L"\"" + program + L"\" " + argument, std::move(script));
}

RunResult ScenarioTest::RunRaw(const std::wstring& program, const std::wstring& commandLine,
                               std::vector<Button> script) {
    Launch launch;
    launch.program = program;
    launch.commandLine = commandLine;
    launch.currentDirectory = folder_;
    launch.script = std::move(script);
    launch.beforePress = beforePress_;
    return RunProgram(launch);
}

std::vector<RunResult> ScenarioTest::RunSideBySide(const std::vector<std::wstring>& arguments,
                                                   DWORD gapMs) {
    std::vector<Launch> launches;
    for (const std::wstring& argument : arguments) {
        Launch launch;
        launch.program = QuendelhofExe();
        launch.commandLine = L"\"" + launch.program + L"\" " + argument;
        launch.currentDirectory = folder_;
        launches.push_back(launch);
    }
    return RunPrograms(launches, gapMs);
}

void ScenarioTest::SetWaitTimes(const std::wstring& value) {
    ASSERT_TRUE(SetEnvironmentVariableW(kWaitVariable, value.c_str()));
}

void ScenarioTest::ExpectRun(const RunResult& run, DWORD exitCode,
                             const std::vector<ExpectedBox>& boxes) {
    ASSERT_TRUE(run.started) << "CreateProcessW failed with error " << run.startError;
    std::string seen = "Boxes seen:\n" + Describe(run.boxes);
    EXPECT_FALSE(run.timedOut) << "the program did not end in time\n" << seen;
    EXPECT_EQ(run.exitCode, exitCode) << seen;
    EXPECT_TRUE(run.scriptFulfilled) << seen;
    ASSERT_EQ(run.boxes.size(), boxes.size()) << seen;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        SCOPED_TRACE("box " + std::to_string(i + 1));
        EXPECT_EQ(run.boxes[i].text, boxes[i].text);
        EXPECT_EQ(run.boxes[i].title, boxes[i].title);
        EXPECT_EQ(run.boxes[i].icon, boxes[i].icon) << "icon seen: " << Describe({run.boxes[i]});
        EXPECT_EQ(run.boxes[i].buttons, boxes[i].buttons) << Describe({run.boxes[i]});
        EXPECT_EQ(run.boxes[i].topmost, boxes[i].topmost) << Describe({run.boxes[i]});
    }
}

}  // namespace winetest
