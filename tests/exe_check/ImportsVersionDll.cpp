// A probe for the checker: imports the version library, which is not a known DLL.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    DWORD ignored = 0;
    return static_cast<int>(GetFileVersionInfoSizeW(commandLine, &ignored));
}
