// Test helper that lets the robot and the launcher be checked against known behaviour:
//   qh_showbox.exe STYLE TITLE TEXT [PAINTDELAY]
//                                     shows one message box (STYLE in hexadecimal, as
//                                     MessageBoxW takes it) and ends with the pressed button's id;
//                                     with PAINTDELAY (milliseconds), the box's icon is painted
//                                     that late after the start, as a busy program's box may be
//   qh_showbox.exe echo ...           shows its own raw command line (title "echo"), ends with 0
//   qh_showbox.exe wait               waits a minute without a window
#include <windows.h>

#include <shellapi.h>

#include <cwchar>

namespace {

DWORD paintFrom = 0;
WNDPROC staticProcedure = nullptr;
HHOOK creationHook = nullptr;

// The icon control puts its painting off: while it leaves WM_PAINT unanswered its update region
// stays, and WM_PAINT comes again; every other message is answered at once.
LRESULT CALLBACK LatePaintingIcon(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT && static_cast<LONG>(GetTickCount() - paintFrom) < 0) {
        Sleep(10);
        return 0;
    }
    return CallWindowProcW(staticProcedure, window, message, wParam, lParam);
}

LRESULT CALLBACK OnWindowCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        HWND window = reinterpret_cast<HWND>(wParam);
        const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        if (staticProcedure == nullptr && _wcsicmp(className, L"Static") == 0 &&
            (create->style & SS_TYPEMASK) == SS_ICON) {
            staticProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
                window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LatePaintingIcon)));
        }
    }
    return CallNextHookEx(creationHook, code, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count < 2) {
        return 1000;
    }
    if (std::wcscmp(arguments[1], L"echo") == 0) {
        LocalFree(arguments);
        return MessageBoxW(nullptr, GetCommandLineW(), L"echo", MB_OK) == IDOK ? 0 : 1001;
    }
    if (std::wcscmp(arguments[1], L"wait") == 0) {
        LocalFree(arguments);
        Sleep(60000);
        return 0;
    }
    if (count != 4 && count != 5) {
        LocalFree(arguments);
        return 1000;
    }
    if (count == 5) {
        paintFrom = GetTickCount() + static_cast<DWORD>(std::wcstoul(arguments[4], nullptr, 10));
        creationHook = SetWindowsHookExW(WH_CBT, OnWindowCreation, nullptr, GetCurrentThreadId());
    }
    UINT style = static_cast<UINT>(std::wcstoul(arguments[1], nullptr, 16));
    int answer = MessageBoxW(nullptr, arguments[3], arguments[2], style);
    LocalFree(arguments);
    return answer == 0 ? 1001 : answer;
}
