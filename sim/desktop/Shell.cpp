#include "platform/Shell.h"

#include <utility>

#include "SimDesktop.h"
#include "SimText.h"
#include "platform/core/Ansi.h"

namespace platform {

namespace sim {

namespace {

OptionalText AsSeen(const OptionalText& text) {
    if (!text) {
        return std::nullopt;
    }
    return SeenThroughAnsi(*text);
}

void ThrowIfAsked() {
    if (Shell().failNextCall) {
        Failure failure = std::move(*Shell().failNextCall);
        Shell().failNextCall.reset();
        throw failure;
    }
}

// Replaces %NAME% by the variable's value; unknown names and a lone % stay as they are.
Text Expanded(const Text& text) {
    Text out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t open = text.find(L'%', pos);
        std::size_t close = open == Text::npos ? Text::npos : text.find(L'%', open + 1);
        if (close == Text::npos) {
            out += text.substr(pos);
            break;
        }
        out += text.substr(pos, open - pos);
        Text name = text.substr(open + 1, close - open - 1);
        bool found = false;
        for (const auto& [variable, value] : Shell().environment) {
            if (!name.empty() && EqualsIgnoringCase(variable, name)) {
                out += value;
                found = true;
                break;
            }
        }
        if (found) {
            pos = close + 1;
        } else {
            out += text.substr(open, close - open);
            pos = close;
        }
    }
    return out;
}

// A URL or mail address: a scheme of two or more letters before a colon.
constexpr Handle32 kShellFileNotFound = 2;

bool HasScheme(const Text& file) {
    std::size_t colon = file.find(L':');
    if (colon == Text::npos || colon < 2) {
        return false;
    }
    for (std::size_t i = 0; i < colon; ++i) {
        wchar_t c = file[i];
        if (!((c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'))) {
            return false;
        }
    }
    return true;
}

// The shell's answer for a file: success, or 2 for a file that does not exist.
Handle32 AnswerFor(const OptionalText& file) {
    if (Shell().forcedAnswer) {
        return *Shell().forcedAnswer;
    }
    if (!file || file->empty()) {
        return kShellFileNotFound;
    }
    if (HasScheme(*file)) {
        return kLaunchSucceeded;
    }
    std::optional<std::filesystem::path> real = RealPath(*file);
    std::error_code error;
    if (!real || real->empty() || !std::filesystem::exists(*real, error)) {
        return kShellFileNotFound;
    }
    return kLaunchSucceeded;
}

void Record(SimulatedShell& shell, const ShellLaunch& launch) {
    shell.launches.push_back(launch);
    if (launch.answer > 32 && shell.onLaunch) {
        ShellLaunch copy = launch;
        shell.onLaunch(copy);
    }
}

}  // namespace

void EndProcess(Handle32 process, std::uint32_t exitCode) {
    auto found = Shell().processes.find(process);
    if (found != Shell().processes.end()) {
        found->second.running = false;
        found->second.exitCode = exitCode;
    }
}

}  // namespace sim

Handle32 ShellExecuteA(Handle32 hwnd, const OptionalText& verb, const OptionalText& file,
                       const OptionalText& parameters, const OptionalText& directory,
                       std::int32_t showCmd) {
    sim::SimulatedShell& shell = sim::DesktopToChange().shell;
    sim::ThrowIfAsked();
    sim::ShellLaunch launch{.call = L"ShellExecuteA",
                            .verb = sim::AsSeen(verb),
                            .file = sim::AsSeen(file),
                            .parameters = sim::AsSeen(parameters),
                            .directory = sim::AsSeen(directory),
                            .showCommand = showCmd,
                            .ownerWindow = hwnd};
    launch.answer = sim::AnswerFor(launch.file);
    sim::Record(shell, launch);
    return launch.answer;
}

std::int32_t ShellExecuteExA(ShellExecuteInfoA& info) {
    sim::SimulatedShell& shell = sim::DesktopToChange().shell;
    sim::ThrowIfAsked();
    sim::ShellLaunch launch{.call = L"ShellExecuteExA",
                            .verb = sim::AsSeen(info.lpVerb),
                            .file = sim::AsSeen(info.lpFile),
                            .parameters = sim::AsSeen(info.lpParameters),
                            .directory = sim::AsSeen(info.lpDirectory),
                            .showCommand = info.nShow,
                            .ownerWindow = info.hwnd,
                            .fMask = info.fMask,
                            .cbSize = info.cbSize};
    if ((info.fMask & kSeeMaskDoEnvSubst) != 0) {
        if (launch.file) {
            launch.file = sim::Expanded(*launch.file);
        }
        if (launch.directory) {
            launch.directory = sim::Expanded(*launch.directory);
        }
    }
    launch.answer = sim::AnswerFor(launch.file);
    if (launch.answer > 32 && (info.fMask & kSeeMaskNoCloseProcess) != 0) {
        launch.process = shell.nextProcess;
        shell.nextProcess += 4;
        shell.processes[launch.process] = {*launch.file, launch.parameters};
    }
    info.hInstApp = launch.answer;
    info.hProcess = launch.process;
    sim::Record(shell, launch);
    return launch.answer > 32 ? 1 : 0;
}

std::int32_t GetExitCodeProcess(Handle32 process, std::uint32_t* exitCode) {
    sim::ThrowIfAsked();
    auto found = sim::Shell().processes.find(process);
    if (found == sim::Shell().processes.end()) {
        return 0;
    }
    *exitCode = found->second.running ? kStillActive : found->second.exitCode;
    return 1;
}

Handle32 GetDesktopWindow() {
    return sim::kDesktopWindow;
}

}  // namespace platform
