#include "SimAct.h"

#include <optional>

#include "SimDesktop.h"
#include "SimText.h"
#include "platform/core/TextUtil.h"

namespace platform::sim {

namespace {

// Whether ACT!'s main window has shown since its start.
bool WindowShown(const actmodel::ActState& state) {
    const std::optional<std::uint32_t>& startedAt = TheDesktop().actStartedAt;
    return !startedAt ||
           static_cast<std::int64_t>(static_cast<std::uint32_t>(Clock().now - *startedAt)) >=
               state.window.appearsAfterMs;
}

}  // namespace

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
    TheDesktop().actStartedAt = Clock().now;
    SyncActMainWindow();
}

}  // namespace platform::sim
