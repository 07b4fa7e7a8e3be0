#include "SimRegionalSettings.h"

namespace platform {

Text UserDecimalSeparator() {
    const Text& separator = sim::Regional().decimalSeparator;
    return separator.empty() ? Text(L".") : separator;
}

}  // namespace platform
