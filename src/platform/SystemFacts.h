// Facts about the Windows the program runs on and about its user, for the workstation check.
#pragma once

#include <cstdint>

#include "core/Types.h"

namespace platform {

struct WindowsVersion {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
    Text servicePack;        // "Service Pack 3"; empty when there is none
    bool windows64 = false;  // the system is a 64-bit Windows
    bool program64 = false;  // the running program is a 64-bit one
};

// The version the system itself reports, not the one an older program is told for its
// compatibility.
WindowsVersion GetWindowsVersion();

// Whether the program runs with the rights of the local Administrators group (with user account
// control: in an elevated run only).
bool UserIsAdministrator();

}  // namespace platform
