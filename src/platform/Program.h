// The program's own facts.
#pragma once

#include <cstdint>
#include <optional>

#include "core/Types.h"

namespace platform {

// The argument text: everything on the command line after the program's own name, without the
// blanks that separate it from the name. Quote characters in it are ordinary characters.
Text ArgumentText();

struct ProgramVersion {
    std::int32_t major = 0;
    std::int32_t minor = 0;
    std::int32_t revision = 0;
    Text productName;
};

// The program's version numbers and product name, from its version information.
ProgramVersion GetProgramVersion();

// The folder that holds the running executable, without a closing backslash except for the
// root folder of a drive.
Text ProgramFolder();

// The running executable's file name without its extension.
Text ProgramFileName();

// The value of one of the process's environment variables; nothing when it is not set.
std::optional<Text> EnvironmentVariable(const Text& name);

}  // namespace platform
