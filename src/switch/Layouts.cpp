#include "modHaupt.h"

namespace modHaupt {

void SchreibeLayouts() {}

}  // namespace modHaupt
