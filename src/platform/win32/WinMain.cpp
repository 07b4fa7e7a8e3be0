// Start-up of Quendelhof.exe.
#include <objbase.h>
#include <windows.h>

#include "../Entry.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // One single-threaded apartment for the whole run; the automation objects live in it.
    HRESULT initialized = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int exitCode = quendelhof::Run();
    if (SUCCEEDED(initialized)) {
        CoUninitialize();
    }
    return exitCode;
}
