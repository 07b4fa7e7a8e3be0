// Keeps the Wine desktop of the test bed open for the whole test run.
//
// Wine closes its desktop about a second after the last program that uses it ends, and opens
// it anew for the next one; every test would pay for that. This program opens the desktop,
// creates the file its argument names to say that the desktop is up, and then waits until the
// bed's wineserver ends it.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR readyFile, int) {
    if (GetDesktopWindow() == nullptr) {
        return 1;
    }
    if (readyFile != nullptr && *readyFile != L'\0') {
        HANDLE file = CreateFileW(readyFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return 2;
        }
        CloseHandle(file);
    }
    Sleep(INFINITE);
    return 0;
}
