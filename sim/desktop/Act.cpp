#include "SimAct.h"

#include <optional>

#include "SimText.h"
#include "SimWaiting.h"
#include "SimWindows.h"
#include "platform/TextUtil.h"

namespace platform::sim {

namespace {

// When the shell last started ACT!, on the desktop's clock.
std::optional<std::uint32_t>& StartedAt() {
    static std::optional<std::uint32_t> startedAt;
    return startedAt;
}

// Whether ACT!'s main window has shown since its start.
bool WindowShown(const actmodel::ActState& state) {
    return !StartedAt() ||
           static_cast<std::int64_t>(static_cast<std::uint32_t>(Clock().now - *StartedAt())) >=
               state.window.appearsAfterMs;
}

}  // namespace

actmodel::ActModel& Act() {
    static actmodel::ActModel model;
    return model;
}

void ResetAct() {
    Act() = actmodel::ActModel();
    StartedAt().reset();
    // A slow or busy ACT! keeps the desktop's time; one that crashes leaves the desktop.
    Act().State().clock = [] { return Clock().now; };
    Act().State().takeTime = TakeTime;
    Act().State().endProcess = [] { Act().State().running = false; };
}

void SyncActMainWindow() {
    const actmodel::ActState& state = Act().State();
    SimWindow* window = FindWindow(kActMainWindow);
    if (!state.running) {
        if (window != nullptr) {
            RemoveWindow(kActMainWindow);
        }
        return;
    }
    if (window == nullptr) {
        SimWindow added;
        added.handle = kActMainWindow;
        auto& windows = Windows().windows;
        window = &*windows.insert(windows.begin(), added);
    }
    window->className = state.window.className;
    window->caption = state.window.caption;
    window->visible = state.window.visible && WindowShown(state);
    window->minimised = state.window.minimised;
    window->exists = true;
}

void StartActWhenLaunched(const ShellLaunch& launch) {
    Text file = launch.file.value_or(Text());
    std::size_t slash = file.find_last_of(L"\\/");
    Text name = slash == Text::npos ? file : file.substr(slash + 1);
    if (!EqualsIgnoringCase(name, L"ACT.EXE")) {
        return;
    }
    actmodel::ActState& state = Act().State();
    state.running = true;
    state.openDatabase = actmodel::DatabaseOfArgument(launch.parameters.value_or(Text()));
    StartedAt() = Clock().now;
    SyncActMainWindow();
}

}  // namespace platform::sim
