#include "../Shell.h"

#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <string>

#include "../core/Ansi.h"

namespace platform {

namespace {

HWND ToHwnd(Handle32 window) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(window));
}

template <typename HandleType>
Handle32 ToHandle32(HandleType handle) {
    return static_cast<Handle32>(reinterpret_cast<std::intptr_t>(handle));
}

// A text in the ANSI code page that stays alive for the call; null for std::nullopt.
class AnsiArgument {
  public:
    explicit AnsiArgument(const OptionalText& text) : present_(text.has_value()) {
        if (present_) {
            ansi_ = ToAnsi(*text);
        }
    }
    const char* Get() const { return present_ ? ansi_.c_str() : nullptr; }

  private:
    bool present_;
    std::string ansi_;
};

}  // namespace

Handle32 ShellExecuteA(Handle32 hwnd, const OptionalText& verb, const OptionalText& file,
                       const OptionalText& parameters, const OptionalText& directory,
                       std::int32_t showCmd) {
    AnsiArgument ansiVerb(verb), ansiFile(file), ansiParameters(parameters),
        ansiDirectory(directory);
    HINSTANCE answer = ::ShellExecuteA(ToHwnd(hwnd), ansiVerb.Get(), ansiFile.Get(),
                                       ansiParameters.Get(), ansiDirectory.Get(), showCmd);
    return ToHandle32(answer);
}

std::int32_t ShellExecuteExA(ShellExecuteInfoA& info) {
    AnsiArgument verb(info.lpVerb), file(info.lpFile), parameters(info.lpParameters),
        directory(info.lpDirectory);
    SHELLEXECUTEINFOA record{};
    // The record of this build: the 32-bit size the program states would be refused by a
    // 64-bit shell.
    record.cbSize = sizeof record;
    record.fMask = info.fMask;
    record.hwnd = ToHwnd(info.hwnd);
    record.lpVerb = verb.Get();
    record.lpFile = file.Get();
    record.lpParameters = parameters.Get();
    record.lpDirectory = directory.Get();
    record.nShow = info.nShow;
    BOOL done = ::ShellExecuteExA(&record);
    info.hInstApp = ToHandle32(record.hInstApp);
    // The process handle stays open for the rest of the run: the caller keeps it.
    info.hProcess = ToHandle32(record.hProcess);
    return done ? 1 : 0;
}

std::int32_t GetExitCodeProcess(Handle32 process, std::uint32_t* exitCode) {
    DWORD code = 0;
    BOOL done =
        ::GetExitCodeProcess(reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(process)), &code);
    if (done) {
        *exitCode = code;
    }
    return done ? 1 : 0;
}

Handle32 GetDesktopWindow() {
    return ToHandle32(::GetDesktopWindow());
}

}  // namespace platform
