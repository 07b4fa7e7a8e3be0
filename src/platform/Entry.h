// The program's own entry, called by the backend's start-up code.
#pragma once

namespace quendelhof {

// Runs the program once and returns the process's exit code.
[[nodiscard]] int Run();

}  // namespace quendelhof
