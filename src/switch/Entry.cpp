#include "platform/Entry.h"
#include "modHaupt.h"

namespace quendelhof {

int Run() {
    return modHaupt::Programmlauf();
}

}  // namespace quendelhof
