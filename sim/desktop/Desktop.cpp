#include "SimDesktop.h"

#include "platform/Waiting.h"

namespace platform::sim {

Desktop::Desktop() {
    servers.registered.emplace_back(L"ACTOLE.APPOBJECT", [] { return Act().CreateApplication(); });
    shell.onLaunch = StartActWhenLaunched;
    // A slow or busy ACT! keeps the desktop's time; one that crashes leaves the desktop.
    act.State().clock = [] { return Clock().now; };
    act.State().takeTime = TakeTime;
    act.State().endProcess = [] { Act().State().running = false; };
}

Desktop& TheDesktop() {
    static Desktop desktop;
    return desktop;
}

Desktop& DesktopToChange() {
    if (TheDesktop().endedWith) {
        throw ProcessEnded{*TheDesktop().endedWith};
    }
    return TheDesktop();
}

// The parts, for tests and the world.
ProgramFacts& Program() {
    return TheDesktop().program;
}
Files& FileSystem() {
    return TheDesktop().files;
}
MessageBoxes& Boxes() {
    return TheDesktop().boxes;
}
SimulatedRegistry& Registry() {
    return TheDesktop().registry;
}
WindowList& Windows() {
    return TheDesktop().windows;
}
SimulatedShell& Shell() {
    return TheDesktop().shell;
}
SimulatedShortPaths& ShortPaths() {
    return TheDesktop().shortPaths;
}
AutomationServers& Servers() {
    return TheDesktop().servers;
}
actmodel::ActModel& Act() {
    return TheDesktop().act;
}
MessageQueue& Messages() {
    return TheDesktop().messages;
}
ClipboardState& Clipboard() {
    return TheDesktop().clipboard;
}
RegionalSettings& Regional() {
    return TheDesktop().regional;
}
SimClock& Clock() {
    return TheDesktop().clock;
}
std::optional<int>& EndedProcess() {
    return TheDesktop().endedWith;
}
SimRunLock& RunLock() {
    return TheDesktop().runLock;
}
WorkstationFacts& Workstation() {
    return TheDesktop().workstation;
}

}  // namespace platform::sim
