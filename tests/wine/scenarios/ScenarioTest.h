// Fixture of the Wine scenarios: a fresh folder for each test (the current directory of the
// program under test) and runs of the real programs with a robot script.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tools/BoxRecord.h"
#include "tools/Launcher.h"

namespace winetest {

// A box a scenario expects; title and buttons default to those of the program's messages.
struct ExpectedBox {
    std::wstring text;
    BoxIcon icon = BoxIcon::Exclamation;
    std::vector<Button> buttons = {Button::Ok};
    std::wstring title = L"Quendelhof";
    bool topmost = false;  // in front of every other window
};

class ScenarioTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The test's folder (Windows path, no trailing backslash).
    const std::wstring& Folder() const { return folder_; }
    std::wstring PathOf(const std::wstring& relativePath) const;
    // Creates a file (and its folders) below Folder() and returns its full path.
    std::wstring MakeFile(const std::wstring& relativePath, DWORD attributes = 0);
    std::wstring MakeFolder(const std::wstring& relativePath);
    // Copies Quendelhof.exe into a folder below Folder() and returns the copy's path.
    std::wstring CopyProgramTo(const std::wstring& relativeFolder);

    // Runs Quendelhof.exe as `"<program>" <argument>` in Folder().
    RunResult Run(const std::wstring& argument, std::vector<Button> script = {});
    // Runs a program with this exact command line in Folder().
    RunResult RunRaw(const std::wstring& program, const std::wstring& commandLine,
                     std::vector<Button> script = {});
    // Called with each box of the runs that follow, before the robot presses its button.
    void BeforeEachPress(std::function<void(const BoxRecord&)> beforePress) {
        beforePress_ = std::move(beforePress);
    }
    // Runs Quendelhof.exe once per argument, side by side, each started gapMs after the one
    // before, each without boxes to answer.
    std::vector<RunResult> RunSideBySide(const std::vector<std::wstring>& arguments, DWORD gapMs);

    // The program's waiting times (QUENDELHOF_WAIT) for the runs of this test.
    static void SetWaitTimes(const std::wstring& value);

    // The run ended by itself with this exit code, showed exactly these boxes and the robot
    // pressed what its script said.
    static void ExpectRun(const RunResult& run, DWORD exitCode,
                          const std::vector<ExpectedBox>& boxes);

  private:
    std::wstring folder_;
    std::function<void(const BoxRecord&)> beforePress_;
};

// The program under test: the bundle's Quendelhof.exe, or the one the environment variable
// QH_WINE_QUENDELHOF_EXE names (a Windows path, or under Wine a Linux one), such as an unpacked
// release.
std::wstring QuendelhofExe();
std::wstring ShowBoxExe();

}  // namespace winetest
