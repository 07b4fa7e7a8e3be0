#include "modHaupt.h"

namespace modHaupt {

void ZeigeInformationen() {}

}  // namespace modHaupt
