// The simulated workstation's facts that only the workstation check asks for: the Windows and
// its user, HKEY_LOCAL_MACHINE\SOFTWARE in the view the program does not use, and the files'
// versions, marks, signatures and the folders' writers. Tests set them up; paths are matched
// without regard to case.
#pragma once

#include <map>
#include <set>
#include <vector>

#include "platform/FileFacts.h"
#include "platform/RegistryViews.h"
#include "platform/SystemFacts.h"

namespace platform::sim {

struct WorkstationFacts {
    WindowsVersion windows{6, 1, 7601, L"Service Pack 1", true, false};
    bool administrator = false;
    // HKEY_LOCAL_MACHINE in the 64-bit view of a 64-bit Windows, by "key\value name" (the
    // default value: "key\"), case-folded; the 32-bit view is the simulated registry itself.
    std::map<Text, Text> texts64;
    std::map<Text, ProgramVersion> fileVersions;
    std::map<Text, std::vector<UserGroup>> folderWriters;  // a folder not listed: nobody
    std::set<Text> unreadableFolders;  // paths of these sets and maps in lower case
    std::set<Text> downloadMarks;
    std::map<Text, SignatureState> signatures;  // a file not listed: unsigned
};

// The workstation's facts of the one simulated desktop (SimDesktop.h).
WorkstationFacts& Workstation();

// The key of WorkstationFacts::texts64 for a value.
Text MachineTextKey(const Text& subKey, const Text& valueName);

}  // namespace platform::sim
