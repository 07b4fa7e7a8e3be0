// Simulated registry of the desktop.
#pragma once

namespace platform::sim {

void ResetRegistry();

}  // namespace platform::sim
