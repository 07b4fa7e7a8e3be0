#include "platform/Automation.h"

#include "SimAct.h"
#include "SimAutomation.h"
#include "SimText.h"
#include "SimWaiting.h"
#include "platform/Failure.h"

namespace platform {

namespace sim {

AutomationServers& Servers() {
    static AutomationServers servers;
    return servers;
}

void RegisterServer(const Text& progId, AutomationFactory factory) {
    UnregisterServer(progId);
    Servers().registered.emplace_back(progId, std::move(factory));
}

void UnregisterServer(const Text& progId) {
    std::erase_if(Servers().registered,
                  [&progId](const auto& entry) { return EqualsIgnoringCase(entry.first, progId); });
}

void ResetAutomation() {
    Servers() = AutomationServers();
    ResetAct();
    RegisterServer(L"ACTOLE.APPOBJECT", [] { return Act().CreateApplication(); });
}

}  // namespace sim

ObjectRef CreateAutomationObject(const Text& progId) {
    sim::ThrowIfEnded();
    ++sim::Servers().activations;
    for (const auto& [registered, factory] : sim::Servers().registered) {
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
