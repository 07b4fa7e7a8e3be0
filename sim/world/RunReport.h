// What a run of the Linux program did to its simulated desktop, for the user to read: the
// registry values it changed, what ACT! was asked, what the shell started, the clipboard.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/core/Types.h"
#include "sim/desktop/SimRegistry.h"

namespace platform::sim {

class RunReport {
  public:
    // Notes the desktop's state before the run.
    RunReport();

    // Describes what changed since then, one line per change.
    std::string Describe() const;

  private:
    std::map<Text, RegistryValue> registryBefore_;
    std::optional<Text> clipboardBefore_;
    bool actRunningBefore_ = false;
    Text actDatabaseBefore_;
};

}  // namespace platform::sim
