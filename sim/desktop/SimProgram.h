// The simulated program's own facts.
#pragma once

#include <map>

#include "platform/Program.h"

namespace platform::sim {

// The version this build was made as.
ProgramVersion BuildVersion();

struct ProgramFacts {
    Text argumentText;
    ProgramVersion version = BuildVersion();
    Text folder = L"C:\\Programme\\Quendelhof";
    Text fileName = L"Quendelhof";
    std::map<Text, Text> environment;  // environment variables, by name
};

ProgramFacts& Program();

}  // namespace platform::sim
