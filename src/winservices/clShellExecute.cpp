#include "clShellExecute.h"

#include "ErrorBox.h"
#include "platform/core/Failure.h"

namespace {

constexpr platform::Handle32 kLastErrorCode = 32;
constexpr std::int32_t kSuccess = -1;

std::int32_t ResultOf(platform::Handle32 answer) {
    return answer > kLastErrorCode ? kSuccess : answer;
}

}  // namespace

platform::TruthValue clShellExecute::StillExecuting() const {
    try {
        if (lnghInstApp == 0) {
            return platform::kFalse;
        }
        std::uint32_t exitCode = 0;
        if (platform::GetExitCodeProcess(lnghProcess, &exitCode) <= 0) {
            return platform::kFalse;
        }
        return platform::ToTruthValue(exitCode == platform::kStillActive);
    } catch (...) {
        winservices::ShowErrorBox(L"StillExecuting", platform::CurrentFailure());
        return platform::kFalse;
    }
}

std::int32_t clShellExecute::ShellLaunch(const wchar_t* member, platform::Handle32 lnghWnd,
                                         const platform::OptionalText& verb,
                                         const platform::Text& file, std::int32_t showCommand) {
    try {
        lnghInstApp = 0;
        lnghProcess = 0;
        return ResultOf(
            platform::ShellExecuteA(lnghWnd, verb, file, std::nullopt, std::nullopt, showCommand));
    } catch (...) {
        winservices::ShowErrorBox(member, platform::CurrentFailure());
        return 0;
    }
}

std::int32_t clShellExecute::ShellLaunchEx(const wchar_t* member, platform::Handle32 lnghWnd,
                                           const platform::Text& file,
                                           const platform::OptionalText& parameters,
                                           const platform::OptionalText& directory,
                                           std::int32_t showCommand) {
    try {
        lnghInstApp = 0;
        lnghProcess = 0;
        platform::ShellExecuteInfoA info;
        info.cbSize = platform::kShellExecuteInfoSize;
        info.fMask = platform::kSeeMaskNoCloseProcess | platform::kSeeMaskDoEnvSubst;
        info.hwnd = lnghWnd;
        info.lpVerb = L"Open";
        info.lpFile = file;
        info.lpParameters = parameters;
        info.lpDirectory = directory;
        info.nShow = showCommand;
        // The shell's answer is in hInstApp; the function's own result adds nothing to it.
        static_cast<void>(platform::ShellExecuteExA(info));
        lnghInstApp = info.hInstApp;
        lnghProcess = info.hProcess;
        return ResultOf(info.hInstApp);
    } catch (...) {
        winservices::ShowErrorBox(member, platform::CurrentFailure());
        return 0;
    }
}

std::int32_t clShellExecute::Explore(platform::Handle32 lnghWnd, const platform::Text& strFolder,
                                     std::int32_t eShowStyle) {
    return ShellLaunch(L"Explore", lnghWnd, L"explore", strFolder, eShowStyle);
}

std::int32_t clShellExecute::LaunchDocument(platform::Handle32 lnghWnd,
                                            const platform::Text& strDocument,
                                            const platform::OptionalText& strStartIn,
                                            std::int32_t eShowStyle) {
    return ShellLaunchEx(L"LaunchDocument", lnghWnd, strDocument, platform::Text(), strStartIn,
                         eShowStyle);
}

std::int32_t clShellExecute::LaunchEmail(platform::Handle32 lnghWnd,
                                         const platform::Text& strAddress,
                                         std::int32_t eShowStyle) {
    try {
        platform::Text file = L"mailto:" + strAddress;
        return ShellLaunch(L"LaunchEmail", lnghWnd, std::nullopt, file, eShowStyle);
    } catch (...) {
        lnghInstApp = 0;
        lnghProcess = 0;
        winservices::ShowErrorBox(L"LaunchEmail", platform::CurrentFailure());
        return 0;
    }
}

std::int32_t clShellExecute::LaunchFolder(platform::Handle32 lnghWnd,
                                          const platform::Text& strFolder,
                                          std::int32_t eShowStyle) {
    return ShellLaunch(L"LaunchFolder", lnghWnd, L"open", strFolder, eShowStyle);
}

std::int32_t clShellExecute::LaunchProgram(const platform::Text& strProgram, OwnerWindow lnghWnd,
                                           const platform::OptionalText& strParameters,
                                           const platform::OptionalText& strStartIn,
                                           std::int32_t eShowStyle) {
    try {
        if (lnghWnd.Get() == -1) {
            lnghWnd.Set(platform::GetDesktopWindow());
        }
    } catch (...) {
        winservices::ShowErrorBox(L"LaunchProgram", platform::CurrentFailure());
        return 0;
    }
    return ShellLaunchEx(L"LaunchProgram", lnghWnd.Get(), strProgram, strParameters, strStartIn,
                         eShowStyle);
}

std::int32_t clShellExecute::LaunchURL(const platform::Text& strURL, OwnerWindow lnghWnd,
                                       std::int32_t eShowStyle) {
    try {
        lnghInstApp = 0;
        lnghProcess = 0;
        if (lnghWnd.Get() == -1) {
            lnghWnd.Set(platform::GetDesktopWindow());
        }
    } catch (...) {
        winservices::ShowErrorBox(L"LaunchURL", platform::CurrentFailure());
        return 0;
    }
    return ShellLaunch(L"LaunchURL", lnghWnd.Get(), std::nullopt, strURL, eShowStyle);
}

std::int32_t clShellExecute::PrintDocument(platform::Handle32 lnghWnd,
                                           const platform::Text& strDocument) {
    return ShellLaunch(L"PrintDocument", lnghWnd, L"print", strDocument, platform::kSwHide);
}
