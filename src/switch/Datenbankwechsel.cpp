#include "modHaupt.h"

namespace modHaupt {

// The switch itself follows with the ACT! connection and the registry access.
void WechsleDatenbank() {}

}  // namespace modHaupt
