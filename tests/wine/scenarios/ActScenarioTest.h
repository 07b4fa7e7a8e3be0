// Fixture of the scenarios with ACT!: the stand-in ACT! 6 (qh_actstandin.exe, installed as
// ACT.EXE in the test's folder "ACT"), ACT!'s registry settings made anew (empty, marked as the
// tests') before each test and deleted after it (in HKCU and both views of HKLM\SOFTWARE), and
// the three files of a command line (K.dbf, L.cly, G.gly). A test refuses to start where ACT!'s
// keys are not the tests' own (tools/ActKeys.h).
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ScenarioTest.h"
#include "tools/RegTool.h"
#include "tools/StandinAct.h"

namespace winetest {

std::wstring StandinExe();
std::wstring DriverExe();
// A program that starts the program its handover.txt names and ends at once.
std::wstring HandOverExe();

class ActScenarioTest : public ScenarioTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The stand-in in the folder "ACT" of the test (installed by InstallAct or StartAct).
    StandinAct& Act() const { return *act_; }
    // Installs the stand-in with this set-up (act.ini text) without starting it.
    void InstallAct(const std::wstring& setup);
    // Installs and starts it; the test fails at once when it does not come up.
    void StartAct(const std::wstring& setup);
    // Ends it cleanly, so that its journal is complete.
    void StopAct();

    // HKLM\SOFTWARE\Symantec\ACT!\Install\5.0 "InstallDir", where a 32-bit ACT! keeps it:
    // in the 32-bit view, unless the test says otherwise.
    void SetInstallDir(const std::wstring& folder, RegView view = RegView::Bits32);
    // HKCU\Software\Symantec\ACT!\Layout: the current layouts; an empty text leaves one out.
    void SetCurrentLayouts(const std::wstring& contact, const std::wstring& group);
    // The string values of HKCU\Software\Symantec\ACT!\Database; nothing when the key is missing.
    std::optional<std::map<std::wstring, std::wstring>> DatabaseSettings();

    // Runs the driver with one operation of the program's ACT! class and gives its result line.
    std::wstring Drive(const std::wstring& operation, std::vector<Button> script, RunResult& run);

    std::wstring db_;  // full paths of the three files
    std::wstring contact_;
    std::wstring group_;

  private:
    std::unique_ptr<StandinAct> act_;
};

// The journal expected of one operation that connects: create, the calls, release.
std::vector<std::wstring> Connected(std::vector<std::wstring> calls);
// Joins journal parts.
std::vector<std::wstring> Joined(std::initializer_list<std::vector<std::wstring>> parts);
std::wstring Quoted(const std::wstring& text);

}  // namespace winetest
