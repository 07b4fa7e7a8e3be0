// Test helper that lets the robot and the launcher be checked against known behaviour:
//   qh_showbox.exe STYLE TITLE TEXT   shows one message box (STYLE in hexadecimal, as
//                                     MessageBoxW takes it) and ends with the pressed button's id
//   qh_showbox.exe echo ...           shows its own raw command line (title "echo"), ends with 0
//   qh_showbox.exe wait               waits a minute without a window
#include <windows.h>

#include <shellapi.h>

#include <cwchar>

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
    if (count != 4) {
        LocalFree(arguments);
        return 1000;
    }
    UINT style = static_cast<UINT>(std::wcstoul(arguments[1], nullptr, 16));
    int answer = MessageBoxW(nullptr, arguments[3], arguments[2], style);
    LocalFree(arguments);
    return answer == 0 ? 1001 : answer;
}
