#include "../Program.h"

#include <windows.h>

#include <cstddef>
#include <span>
#include <vector>

#include "../core/TextUtil.h"
#include "../core/VersionResource.h"
#include "QuendelhofVersion.h"

namespace platform {

namespace {

Text ModulePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    while (true) {
        DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return Text();
        }
        if (length < buffer.size()) {
            return Text(buffer.data(), length);
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

Text ArgumentText() {
    return ArgumentTextOf(GetCommandLineW());
}

ProgramVersion GetProgramVersion() {
    // Built-in numbers stand in only if the version resource cannot be read. The resource is
    // read through the module's own resource section, so that no library outside the known
    // system libraries is needed for it.
    ProgramVersion builtIn{QUENDELHOF_VERSION_MAJOR, QUENDELHOF_VERSION_MINOR,
                           QUENDELHOF_VERSION_REVISION, QUENDELHOF_PRODUCT_NAME_W};
    HMODULE self = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(self, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
    if (found == nullptr) {
        return builtIn;
    }
    DWORD size = SizeofResource(self, found);
    HGLOBAL loaded = LoadResource(self, found);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr || size == 0) {
        return builtIn;
    }
    return ReadVersionResource(std::span(static_cast<const std::byte*>(bytes), size), builtIn);
}

Text ProgramFolder() {
    Text path = ModulePath();
    std::size_t slash = path.find_last_of(L"\\/");
    if (slash == Text::npos) {
        return Text();
    }
    // The root folder of a drive keeps its backslash ("C:\").
    if (slash == 2 && path.size() > 1 && path[1] == L':') {
        return path.substr(0, 3);
    }
    return path.substr(0, slash);
}

Text ProgramFileName() {
    Text path = ModulePath();
    std::size_t slash = path.find_last_of(L"\\/");
    Text name = slash == Text::npos ? path : path.substr(slash + 1);
    std::size_t dot = name.find_last_of(L'.');
    return dot == Text::npos ? name : name.substr(0, dot);
}

std::optional<Text> EnvironmentVariable(const Text& name) {
    std::vector<wchar_t> buffer(256);
    while (true) {
        SetLastError(ERROR_SUCCESS);
        DWORD length =
            GetEnvironmentVariableW(name.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) {
                return std::nullopt;
            }
            return Text();
        }
        if (length < buffer.size()) {
            return Text(buffer.data(), length);
        }
        buffer.resize(length);  // the size needed, terminating zero included
    }
}

}  // namespace platform
