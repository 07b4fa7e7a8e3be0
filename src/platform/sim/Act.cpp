#include "SimAct.h"
#include "SimWindows.h"

namespace platform::sim {

actmodel::ActModel& Act() {
    static actmodel::ActModel model;
    return model;
}

void ResetAct() {
    Act() = actmodel::ActModel();
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

}  // namespace platform::sim
