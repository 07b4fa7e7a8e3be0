// Not wired up yet: behaves as an empty desktop.
#include "../Automation.h"
#include "../Failure.h"

namespace platform {

ObjectRef CreateAutomationObject(const Text& progId) {
    throw Failure(429, L"ActiveX component can't create object: " + progId);
}

}  // namespace platform
