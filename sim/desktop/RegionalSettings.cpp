#include "SimRegionalSettings.h"

namespace platform {

namespace sim {

RegionalSettings& Regional() {
    static RegionalSettings settings;
    return settings;
}

void ResetRegionalSettings() {
    Regional() = RegionalSettings();
}

}  // namespace sim

Text UserDecimalSeparator() {
    const Text& separator = sim::Regional().decimalSeparator;
    return separator.empty() ? Text(L".") : separator;
}

}  // namespace platform
