// Automation servers of the simulated desktop: a registry of ProgIDs, each with a factory that
// makes the object that activation gives. CreateAutomationObject looks the ProgID up without
// regard to case; an unknown ProgID fails with 429, as an unregistered server does.
#pragma once

#include <functional>

#include "platform/Automation.h"

namespace platform::sim {

using AutomationFactory = std::function<ObjectRef()>;

// A fresh desktop registers the simulated ACT! under "ACTOLE.APPOBJECT" (see SimAct.h).
struct AutomationServers {
    std::vector<std::pair<Text, AutomationFactory>> registered;
    int activations = 0;  // how often CreateAutomationObject ran
};

AutomationServers& Servers();

// Registers (or replaces) the server of a ProgID.
void RegisterServer(const Text& progId, AutomationFactory factory);
void UnregisterServer(const Text& progId);

}  // namespace platform::sim
