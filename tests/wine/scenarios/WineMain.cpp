// Entry of the Windows test program that drives the Wine scenarios.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // Plain line ends, so that the test list reads the same as on Linux.
    _setmode(_fileno(stdout), _O_BINARY);
    ::testing::InitGoogleTest(&argc, argv);
    bool listing = ::testing::GTEST_FLAG(list_tests);
    if (!listing && GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) == 0) {
        std::fprintf(stderr,
                     "No X display: the Wine scenarios run in the Wine test bed "
                     "(ctest, or tests/wine/bed/winebed).\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
