// Simulated shell of the desktop.
#pragma once

namespace platform::sim {

void ResetShell();

}  // namespace platform::sim
