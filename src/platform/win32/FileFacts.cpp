#include "../FileFacts.h"

#include <aclapi.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <span>

#include "../core/ScopeGuard.h"
#include "../core/VersionResource.h"
#include "Handles.h"

namespace platform {

namespace {

inline void FreeLoadedLibrary(HMODULE module) {
    ::FreeLibrary(module);
}
using LoadedLibrary = UniqueHandle<HMODULE, FreeLoadedLibrary>;

// What lets a user write: create a file or folder in the folder, change a file's data, delete,
// or take the folder over through its access list or owner.
constexpr ACCESS_MASK kWritingRights = FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_WRITE_EA |
                                       FILE_WRITE_ATTRIBUTES | FILE_DELETE_CHILD | DELETE |
                                       WRITE_DAC | WRITE_OWNER | GENERIC_WRITE | GENERIC_ALL;

struct GroupSid {
    UserGroup group;
    SID_IDENTIFIER_AUTHORITY authority;
    BYTE count;
    DWORD first;
    DWORD second;
};

const std::array<GroupSid, 3> kGroups = {{
    {UserGroup::Users, SECURITY_NT_AUTHORITY, 2, SECURITY_BUILTIN_DOMAIN_RID,
     DOMAIN_ALIAS_RID_USERS},
    {UserGroup::AuthenticatedUsers, SECURITY_NT_AUTHORITY, 1, SECURITY_AUTHENTICATED_USER_RID, 0},
    {UserGroup::Everyone, SECURITY_WORLD_SID_AUTHORITY, 1, SECURITY_WORLD_RID, 0},
}};

bool IsGroup(PSID sid, const GroupSid& group) {
    SID_IDENTIFIER_AUTHORITY authority = group.authority;
    PSID made = nullptr;
    if (!AllocateAndInitializeSid(&authority, group.count, group.first, group.second, 0, 0, 0, 0, 0,
                                  0, &made)) {
        return false;
    }
    bool equal = EqualSid(sid, made) != FALSE;
    FreeSid(made);
    return equal;
}

}  // namespace

std::optional<ProgramVersion> ReadFileVersion(const Text& path) {
    // Mapped as data only: nothing of the file runs, and its imports are not loaded.
    LoadedLibrary module(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!module.Valid()) {
        return std::nullopt;
    }
    HRSRC found = FindResourceW(module.Get(), MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
    if (found == nullptr) {
        return std::nullopt;
    }
    DWORD size = SizeofResource(module.Get(), found);
    HGLOBAL loaded = LoadResource(module.Get(), found);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr || size == 0) {
        return std::nullopt;
    }
    return ReadVersionResource(std::span(static_cast<const std::byte*>(bytes), size),
                               ProgramVersion{});
}

std::optional<std::vector<UserGroup>> GroupsThatMayWrite(const Text& folder) {
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoW(folder.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, &dacl, nullptr, &descriptor) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    const ScopeGuard freed([descriptor] { LocalFree(descriptor); });
    std::vector<UserGroup> writers;
    if (dacl == nullptr) {
        // No access list: everyone may do everything.
        return std::vector<UserGroup>{UserGroup::Users, UserGroup::AuthenticatedUsers,
                                      UserGroup::Everyone};
    }
    for (DWORD i = 0; i < dacl->AceCount; ++i) {
        void* entry = nullptr;
        if (!GetAce(dacl, i, &entry)) {
            continue;
        }
        const auto* header = static_cast<const ACE_HEADER*>(entry);
        if (header->AceType != ACCESS_ALLOWED_ACE_TYPE) {
            continue;
        }
        // An entry for the folder itself, or one that the files in it inherit.
        const bool forFolder = (header->AceFlags & INHERIT_ONLY_ACE) == 0;
        const bool forFiles = (header->AceFlags & OBJECT_INHERIT_ACE) != 0;
        const auto* allowed = static_cast<const ACCESS_ALLOWED_ACE*>(entry);
        if ((!forFolder && !forFiles) || (allowed->Mask & kWritingRights) == 0) {
            continue;
        }
        PSID sid = const_cast<DWORD*>(&allowed->SidStart);
        for (const GroupSid& group : kGroups) {
            if (IsGroup(sid, group) &&
                std::find(writers.begin(), writers.end(), group.group) == writers.end()) {
                writers.push_back(group.group);
            }
        }
    }
    return writers;
}

bool HasDownloadMark(const Text& path) {
    const Text stream = path + L":Zone.Identifier";
    win32::KernelHandle file(CreateFileW(stream.c_str(), FILE_READ_ATTRIBUTES,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, 0, nullptr));
    return file.Valid();
}

}  // namespace platform
