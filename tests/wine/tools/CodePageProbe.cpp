// Built with a code-page copy's manifest beside that copy: its exit code is the ANSI code page
// that the manifest gave the process, so that a test knows whether the code page it asked for
// is in force.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return static_cast<int>(GetACP());
}
