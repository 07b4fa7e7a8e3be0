// A probe for the checker: imports nothing unusual, but its header asks for Windows Vista.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return 0;
}
