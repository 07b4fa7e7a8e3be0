// Simulated windows of the desktop.
#pragma once

namespace platform::sim {

void ResetWindows();

}  // namespace platform::sim
