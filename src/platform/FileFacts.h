// Facts about files and folders that the workstation check reports: another program's version,
// who may change a folder, the download mark, the signature. Nothing is changed, and no
// program is run or loaded to run.
#pragma once

#include <optional>
#include <vector>

#include "Program.h"
#include "core/Types.h"

namespace platform {

// The version numbers and product name of the file's version resource, read as
// ReadVersionResource reads them (major, minor, revision); nothing when the file cannot be
// read or has no version resource.
std::optional<ProgramVersion> ReadFileVersion(const Text& path);

// The groups of ordinary users that an entry of a folder's access list lets write: create
// files in the folder, or change, replace or delete the files in it (an entry that files
// inherit), or change the folder's access list or owner.
enum class UserGroup { Users, AuthenticatedUsers, Everyone };

// Which of the groups may write in the folder; all three when the folder has no access list
// at all. Nothing when the access list cannot be read.
std::optional<std::vector<UserGroup>> GroupsThatMayWrite(const Text& folder);

// Whether the file carries the mark of a download (its stream Zone.Identifier).
bool HasDownloadMark(const Text& path);

enum class SignatureState {
    Valid,     // signed, and the signature is valid and trusted
    Unsigned,  // no signature
    Invalid,   // signed, but the signature is broken, untrusted or the file was changed
    Unknown,   // the system's signature check could not be had or could not tell
};

// The Authenticode signature of the file, checked by the system (without asking the user and
// without fetching revocation lists).
SignatureState CheckSignature(const Text& path);

}  // namespace platform
