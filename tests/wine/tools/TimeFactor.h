// The factor of the Wine tests' own time limits, for machines where Wine starts programs slowly
// (32-bit programs run through an emulator, tests/wine/bed/qemu-i386): the environment variable
// QH_WINE_TIME_FACTOR, a whole number from 1 to 100; 1 when it is unset or not such a number.
#pragma once

#include <windows.h>

namespace winetest {

DWORD TimeFactor();
// A time limit of the tests, multiplied by the factor.
DWORD Scaled(DWORD milliseconds);

}  // namespace winetest
