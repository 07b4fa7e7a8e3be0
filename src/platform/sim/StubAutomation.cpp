// Not simulated yet: behaves as an empty desktop.
#include "../Automation.h"
#include "../Failure.h"
#include "SimAutomation.h"

namespace platform {

namespace sim {
void ResetAutomation() {}
}  // namespace sim

ObjectRef CreateAutomationObject(const Text& progId) {
    throw Failure(429, L"ActiveX component can't create object: " + progId);
}

}  // namespace platform
