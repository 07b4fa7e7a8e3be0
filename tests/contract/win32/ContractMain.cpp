// Entry of the Windows program of the port's contract suite.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "contract/PortEnvironment.h"
#include "tools/CodePageSupport.h"

namespace {

// The code page that this program's manifest asks for (activeCodePage); 0 for the program
// without one.
constexpr UINT kAskedCodePage = QH_CONTRACT_CODE_PAGE;

// Every row runs under the code page asked for, or none runs: where Windows ignores the
// manifest, they are skipped as not supported here, never passed under the system's code page.
class AskedCodePage : public ::testing::Environment {
  public:
    void SetUp() override {
        if (kAskedCodePage == 0 || GetACP() == kAskedCodePage) {
            return;
        }
        if (!winetest::ManifestCodePagesHonoured()) {
            GTEST_SKIP() << "code page " << kAskedCodePage
                         << " not supported on this Windows (activeCodePage needs Windows 10 "
                            "1903); the system's is "
                         << GetACP();
        }
        FAIL() << "the manifest asks for code page " << kAskedCodePage << ", in force is "
               << GetACP();
    }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // Plain line ends, so that the test list reads the same as on Linux.
    _setmode(_fileno(stdout), _O_BINARY);
    ::testing::InitGoogleTest(&argc, argv);
    if (!::testing::GTEST_FLAG(list_tests) && portcontract::TheEnvironment().RunsUnderWine() &&
        GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) == 0) {
        std::fprintf(stderr,
                     "No X display: under Wine the contract suite runs in the Wine test "
                     "bed (ctest, or tests/wine/bed/winebed).\n");
        return 1;
    }
    ::testing::AddGlobalTestEnvironment(new AskedCodePage);  // gtest owns it
    return RUN_ALL_TESTS();
}
