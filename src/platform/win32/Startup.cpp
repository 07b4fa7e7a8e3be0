// The first code of the program: protections that must be in place before anything else of the
// program runs. The linker makes QuendelhofStartup the entry point of the executable (see
// src/CMakeLists.txt); it sets the protections up and only then hands over to the C runtime's
// own start-up, which runs the static constructors and calls wWinMain. Before it, Windows runs
// only the initialisation of the system libraries and the runtime's thread-local storage
// callbacks, which load nothing.
#include <windows.h>

#include <exception>

extern "C" int WinMainCRTStartup();

namespace {

// The exit code of a failure that nothing handled.
constexpr UINT kUnhandledFailureExitCode = 2;

// Ends the process at once after a fault of the program itself. Nothing more is shown: after an
// access violation neither the heap nor any lock of the process can be trusted, and a message box
// could hang or fault again. Ending the process without running anything of it cannot hang.
[[noreturn]] void EndAfterFault() {
    TerminateProcess(GetCurrentProcess(), kUnhandledFailureExitCode);
    ExitProcess(kUnhandledFailureExitCode);
}

// Instead of Windows' crash report or Wine's debugger.
LONG WINAPI EndOnUnhandledException(EXCEPTION_POINTERS*) {
    EndAfterFault();
}

// Instead of the runtime's "abnormal program termination" box.
[[noreturn]] void EndOnTerminate() {
    EndAfterFault();
}

// Libraries that the program or a system function loads by name later on come only from the
// system folder: never from the current folder, and, where Windows allows it, never from the
// program's own folder (a Downloads folder, a network share), where anyone might have put a
// library of the same name. The known system libraries the program imports are loaded from the
// system folder by Windows itself.
void RestrictLibrarySearch() {
    // Windows XP SP1 and later: the current folder leaves the search order.
    SetDllDirectoryW(L"");
    // Windows 8 and later, and Vista and 7 with update KB2533623: only the system folder is
    // searched. Older Windows lack the function, so it is looked up here instead of imported.
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    FARPROC found =
        kernel != nullptr ? GetProcAddress(kernel, "SetDefaultDllDirectories") : nullptr;
    if (found != nullptr) {
        auto setDefaultDllDirectories =
            reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void (*)()>(found));
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}

// A drive that is not ready (a card reader without a card, a disconnected network drive) makes
// the file functions fail with an error the program reports itself, instead of Windows asking
// for a disk. The flags the process inherited stay set.
void FailCriticalErrors() {
    UINT inherited = SetErrorMode(SEM_FAILCRITICALERRORS);
    SetErrorMode(inherited | SEM_FAILCRITICALERRORS);
}

}  // namespace

// Windows calls the entry point of a 32-bit program with the stack aligned to 4 bytes only.
extern "C" __attribute__((force_align_arg_pointer)) int QuendelhofStartup() {
    RestrictLibrarySearch();
    FailCriticalErrors();
    // The runtime installs its own filter at start-up and hands every exception it does not
    // handle itself on to the filter it found, this one.
    SetUnhandledExceptionFilter(EndOnUnhandledException);
    std::set_terminate(EndOnTerminate);
    return WinMainCRTStartup();
}
