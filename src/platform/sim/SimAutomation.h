// Simulated automation of the desktop.
#pragma once

namespace platform::sim {

void ResetAutomation();

}  // namespace platform::sim
