// The simulated desktop: the state behind the sim backend of the platform layer, which tests set
// up and inspect, and which the Linux program loads from a world folder.
#pragma once

#include <filesystem>

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

// Puts every part of the simulated desktop back to its starting state.
void ResetDesktop();

}  // namespace platform::sim
