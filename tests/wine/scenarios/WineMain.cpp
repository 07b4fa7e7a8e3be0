// Entry of the Windows test program that drives the Wine scenarios.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/ActKeys.h"
#include "tools/BundleFolder.h"

int main(int argc, char** argv) {
    // Plain line ends, so that the test list reads the same as on Linux.
    _setmode(_fileno(stdout), _O_BINARY);
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();
    }
    if (winetest::RunsUnderWine() && GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) == 0) {
        std::fprintf(stderr,
                     "No X display: under Wine the scenarios run in the Wine test bed "
                     "(ctest, or tests/wine/bed/winebed).\n");
        return 1;
    }
    // Nothing runs where a real ACT!'s settings could be overwritten or deleted.
    std::vector<std::wstring> foreign = winetest::ForeignActKeys();
    if (!foreign.empty()) {
        std::fprintf(stderr, "%ls", winetest::ActKeysRefusal(foreign).c_str());
        return 2;
    }
    return RUN_ALL_TESTS();
}
