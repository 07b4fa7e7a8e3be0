// The protections the real program sets up before anything else runs: a fault of its own code
// ends the run with exit code 2, without a crash dialog, a debugger or a hang; and a library
// planted beside the program is not loaded in place of the system's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ActScenarioTest.h"
#include "Meldungen.h"

namespace winetest {
namespace {

std::wstring PlantedLibrary() {
    return BuiltFile(QH_WINE_PLANTED_DLL);
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Wine's setting that makes these programs take a library of this name from their own folder
// first, as Windows does for every library that is not a known DLL; Wine otherwise prefers its
// own. Set for the lifetime of the object.
class NativeLibraryFirst {
  public:
    NativeLibraryFirst(std::vector<std::wstring> programs, std::wstring library)
        : programs_(std::move(programs)), library_(std::move(library)) {
        for (const std::wstring& program : programs_) {
            const wchar_t order[] = L"native,builtin";
            RegSetKeyValueW(HKEY_CURRENT_USER, Key(program).c_str(), library_.c_str(), REG_SZ,
                            order, sizeof(order));
        }
    }
    ~NativeLibraryFirst() {
        for (const std::wstring& program : programs_) {
            RegDeleteKeyValueW(HKEY_CURRENT_USER, Key(program).c_str(), library_.c_str());
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

}  // namespace
}  // namespace winetest
