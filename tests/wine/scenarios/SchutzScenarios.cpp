// The protections the real program sets up before anything else runs: a fault of its own code
// ends the run with exit code 2, without a crash dialog, a debugger or a hang; and a library
// planted beside the program is not loaded in place of the system's. And the tests' own: they
// stop before they touch the keys of a real ACT! installation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ActScenarioTest.h"
#include "Meldungen.h"
#include "platform/win32/Handles.h"
#include "standin/StandinIds.h"
#include "tools/ActKeys.h"
#include "tools/BundleFolder.h"

namespace winetest {
namespace {

using RegistryKey = platform::win32::RegistryKeyHandle;

std::wstring PlantedLibrary() {
    return BundleFile(L"qh_planted.dll");
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Wine's setting that makes these programs take a library of this name from their own folder
// first, as Windows does for every library that is not a known DLL; Wine otherwise prefers its
// own. Set for the lifetime of the object, under Wine only: Windows needs no such setting.
class NativeLibraryFirst {
  public:
    NativeLibraryFirst(std::vector<std::wstring> programs, std::wstring library)
        : programs_(RunsUnderWine() ? std::move(programs) : std::vector<std::wstring>()),
          library_(std::move(library)) {
        for (const std::wstring& program : programs_) {
            HKEY created = nullptr;
            if (RegCreateKeyExW(HKEY_CURRENT_USER, Key(program).c_str(), 0, nullptr, 0,
                                KEY_SET_VALUE, nullptr, &created, nullptr) != ERROR_SUCCESS) {
                continue;
            }
            RegistryKey key(created);
            const wchar_t order[] = L"native,builtin";
            RegSetValueExW(key.Get(), library_.c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(order), sizeof(order));
        }
    }
    ~NativeLibraryFirst() {
        for (const std::wstring& program : programs_) {
            HKEY opened = nullptr;
            if (RegOpenKeyExW(HKEY_CURRENT_USER, Key(program).c_str(), 0, KEY_SET_VALUE, &opened) ==
                ERROR_SUCCESS) {
                RegistryKey key(opened);
                RegDeleteValueW(key.Get(), library_.c_str());
            }
        }
    }
    NativeLibraryFirst(const NativeLibraryFirst&) = delete;
    NativeLibraryFirst& operator=(const NativeLibraryFirst&) = delete;

  private:
    static std::wstring Key(const std::wstring& program) {
        return L"Software\\Wine\\AppDefaults\\" + program + L"\\DllOverrides";
    }
    std::vector<std::wstring> programs_;
    std::wstring library_;
};

using SchutzScenario = ActScenarioTest;

TEST_F(SchutzScenario, AFaultOfTheProgramEndsWithCodeTwoWithoutADialog) {
    // The driver starts as the program does and runs the program's code.
    for (const wchar_t* fault : {L"Zugriffsverletzung", L"Terminate"}) {
        SCOPED_TRACE(fault);
        RunResult run;
        EXPECT_EQ(Drive(std::wstring(L"Absturz ") + fault, {}, run), L"");
        ExpectRun(run, kFehler, {});
    }
}

TEST_F(SchutzScenario, ALibraryPlantedBesideTheProgramIsNotLoaded) {
    // uxtheme.dll is not a known DLL; Windows loads it by name when the first window is themed.
    NativeLibraryFirst nativeFirst({L"qh_showbox.exe", L"Quendelhof.exe"}, L"uxtheme");
    std::wstring folder = MakeFolder(L"Downloads");
    std::wstring planted = folder + L"\\uxtheme.dll";
    std::wstring marker = planted + L".loaded";
    ASSERT_TRUE(CopyFileW(PlantedLibrary().c_str(), planted.c_str(), FALSE));

    // A program without the protection, beside the same library, loads it.
    std::wstring unprotected = folder + L"\\qh_showbox.exe";
    ASSERT_TRUE(CopyFileW(ShowBoxExe().c_str(), unprotected.c_str(), FALSE));
    ExpectRun(RunRaw(unprotected, Quoted(unprotected) + L" 0 Box Text", {Button::Ok}), IDOK,
              {{L"Text", BoxIcon::None, {Button::Ok}, L"Box"}});
    ASSERT_TRUE(Exists(marker)) << "the planted library is not loaded even without protection";
    ASSERT_TRUE(DeleteFileW(marker.c_str()));

    std::wstring program = CopyProgramTo(L"Downloads");
    ExpectRun(RunRaw(program, Quoted(program), {Button::Ok}), kErledigt, {Informationen()});
    EXPECT_FALSE(Exists(marker)) << "the program loaded the library beside it";
}

TEST_F(SchutzScenario, ActKeysNotMadeByTheTestsStopTheTestsAndStayUntouched) {
    if (ThrowawayMachine()) {
        GTEST_SKIP() << "QH_TESTS_THROWAWAY_MACHINE=1 lets the tests take any ACT! keys";
    }
    // ACT!'s settings as a real installation leaves them: without the tests' mark.
    HKEY opened = nullptr;
    ASSERT_EQ(
        RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Symantec\\ACT!", 0, KEY_SET_VALUE, &opened),
        ERROR_SUCCESS);
    RegistryKey settings(opened);
    struct MarkedAgain {
        HKEY key;
        ~MarkedAgain() { MarkAsMadeByTests(key); }  // so that the tests after this one run
    } markedAgainAtTheEnd{settings.Get()};
    ASSERT_EQ(RegDeleteValueW(settings.Get(), standin::kMadeByTestsValue), ERROR_SUCCESS);
    SetCurrentLayouts(L"C:\\ACT\\Eigenes.cly", L"");
    const std::map<std::wstring, std::wstring> layouts = {
        {L"CurrentContactLayout", L"C:\\ACT\\Eigenes.cly"}};
    const std::wstring layoutKey = L"HKEY_CURRENT_USER\\Software\\Symantec\\ACT!\\Layout";
    ASSERT_EQ(RegExportStrings(layoutKey), layouts);

    // The runner refuses, and so does the scenario program, before any of its tests runs.
    const int kRefused = 2;
    std::wstring runner = BundleFile(L"qh_testrunner.exe");
    ExpectRun(RunRaw(runner, Quoted(runner) + L" --check-act-keys"), kRefused, {});
    std::wstring scenarios = BundleFile(L"quendelhof_wine_tests.exe");
    ExpectRun(RunRaw(scenarios, Quoted(scenarios) + L" --gtest_filter=WechselScenario.*"), kRefused,
              {});
    EXPECT_EQ(RegExportStrings(layoutKey), layouts) << "ACT!'s settings were touched";

    // Marked, the same keys are the tests' own.
    ASSERT_EQ(MarkAsMadeByTests(settings.Get()), ERROR_SUCCESS);
    ExpectRun(RunRaw(runner, Quoted(runner) + L" --check-act-keys"), 0, {});
}

}  // namespace
}  // namespace winetest
