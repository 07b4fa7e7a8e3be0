// Keeps the Wine desktop of the test bed open for the whole test run.
//
// Wine closes its desktop about a second after the last program that uses it ends, and opens
// it anew for the next one; every test would pay for that. This program uses the desktop and
// then waits until the bed's wineserver ends it.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    if (GetDesktopWindow() == nullptr) {
        return 1;
    }
    Sleep(INFINITE);
    return 0;
}
