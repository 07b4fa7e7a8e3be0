// Entry of the Windows program of the port's contract suite.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "contract/PortEnvironment.h"

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
    return RUN_ALL_TESTS();
}
