#include "platform/Automation.h"

#include "SimDesktop.h"
#include "SimText.h"
#include "platform/core/Failure.h"

namespace platform {

namespace sim {

void RegisterServer(const Text& progId, AutomationFactory factory) {
    UnregisterServer(progId);
    Servers().registered.emplace_back(progId, std::move(factory));
}

void UnregisterServer(const Text& progId) {
    std::erase_if(Servers().registered,
                  [&progId](const auto& entry) { return EqualsIgnoringCase(entry.first, progId); });
}

}  // namespace sim

ObjectRef CreateAutomationObject(const Text& progId) {
    sim::AutomationServers& servers = sim::DesktopToChange().servers;
    ++servers.activations;
    for (const auto& [registered, factory] : servers.registered) {
        if (sim::EqualsIgnoringCase(registered, progId)) {
            ObjectRef object = factory();
            if (object == nullptr) {
                break;
            }
            return object;
        }
    }
    throw Failure(429, L"ActiveX component can't create object");
}

}  // namespace platform
