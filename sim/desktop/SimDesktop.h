// The simulated desktop: the state behind the sim backend of the platform layer, which tests set
// up and inspect, and which the Linux program loads from a world folder. All of it is one
// Desktop, and there is one instance (TheDesktop()): a fresh desktop is one assignment,
// TheDesktop() = Desktop(). A new piece of simulated state is one member here (with its
// starting state in its default member initializers) and, if tests or the world reach it, one
// accessor in Desktop.cpp.
//
// After the simulated process has ended (SimWaiting.h) nothing of it may take effect: a port
// function that changes what others see (a box, the registry, the clipboard, the shell, an
// activation) takes the desktop from DesktopToChange(), the one place that checks the end. The
// plain accessors are for set-up and inspection, and for what the end does not stop: the
// desktop's own bookkeeping (journals, counters, its clock) and what the system tidies up after
// a process (keys closed, the run lock given back).
#pragma once

#include <cstdint>
#include <optional>

#include "SimAct.h"
#include "SimAutomation.h"
#include "SimClipboard.h"
#include "SimCodePage.h"
#include "SimFiles.h"
#include "SimMessageBoxes.h"
#include "SimMessages.h"
#include "SimProgram.h"
#include "SimRegionalSettings.h"
#include "SimRegistry.h"
#include "SimShell.h"
#include "SimShortPath.h"
#include "SimWaiting.h"
#include "SimWindows.h"
#include "SimWorkstation.h"

namespace platform::sim {

struct Desktop {
    // Registers the simulated ACT! as an automation server, lets the shell start it and lets it
    // keep the desktop's time (SimAct.h).
    Desktop();

    ProgramFacts program;
    Files files;
    MessageBoxes boxes;
    SimulatedRegistry registry;
    WindowList windows;
    SimulatedShell shell;
    SimulatedShortPaths shortPaths;
    AutomationServers servers;
    actmodel::ActModel act;
    std::optional<std::uint32_t> actStartedAt;  // when the shell last started ACT!, on the clock
    MessageQueue messages;
    ClipboardState clipboard;
    RegionalSettings regional;
    SimClock clock;
    std::optional<int> endedWith;  // the exit code of the ended process; nothing while it runs
    SimRunLock runLock;
    std::uint32_t ansiCodePage = kDefaultAnsiCodePage;
    WorkstationFacts workstation;
};

// The one simulated desktop.
Desktop& TheDesktop();

// The desktop for a port function about to change it; throws ProcessEnded once the simulated
// process has ended.
Desktop& DesktopToChange();

}  // namespace platform::sim
