// The simulated program's own facts.
#pragma once

#include <map>

#include "platform/Program.h"

namespace platform::sim {

struct ProgramFacts {
    Text argumentText;
    ProgramVersion version;  // starts as the build's version
    Text folder = L"C:\\Programme\\Quendelhof";
    Text fileName = L"Quendelhof";
    std::map<Text, Text> environment;  // environment variables, by name
};

ProgramFacts& Program();
void ResetProgram();

}  // namespace platform::sim
