#include "SimAct.h"

#include "../TextUtil.h"
#include "SimWaiting.h"
#include "SimWindows.h"
#include "Utf8.h"

namespace platform::sim {

actmodel::ActModel& Act() {
    static actmodel::ActModel model;
    return model;
}

void ResetAct() {
    Act() = actmodel::ActModel();
    // A slow or busy ACT! keeps the desktop's time.
    Act().State().clock = [] { return Clock().now; };
    Act().State().takeTime = TakeTime;
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
    window->visible = state.window.visible;
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
    state.openDatabase = TrimBlanks(launch.parameters.value_or(Text()));
    SyncActMainWindow();
}

}  // namespace platform::sim
