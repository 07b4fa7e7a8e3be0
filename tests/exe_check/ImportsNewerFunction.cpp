// A probe for the checker: imports a function of Windows 8, which the headers declare even for
// Windows XP, so that only the checker can refuse it.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) ? 0 : 1;
}
