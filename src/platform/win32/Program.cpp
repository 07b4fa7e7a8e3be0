#include "../Program.h"

#include <windows.h>

#include <vector>

#include "../TextUtil.h"
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
    // Built-in numbers stand in only if the version resource cannot be read.
    ProgramVersion version{QUENDELHOF_VERSION_MAJOR, QUENDELHOF_VERSION_MINOR,
                           QUENDELHOF_VERSION_REVISION, QUENDELHOF_PRODUCT_NAME_W};
    Text path = ModulePath();
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) {
        return version;
    }
    std::vector<unsigned char> data(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) {
        return version;
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedLength = 0;
    if (VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedLength) &&
        fixedLength >= sizeof(VS_FIXEDFILEINFO)) {
        version.major = HIWORD(fixed->dwFileVersionMS);
        version.minor = LOWORD(fixed->dwFileVersionMS);
        version.revision = LOWORD(fixed->dwFileVersionLS);
    }
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translations = nullptr;
    UINT translationLength = 0;
    if (VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                       reinterpret_cast<void**>(&translations), &translationLength) &&
        translationLength >= sizeof(Translation)) {
        wchar_t query[64];
        wsprintfW(query, L"\\StringFileInfo\\%04x%04x\\ProductName", translations[0].language,
                  translations[0].codePage);
        wchar_t* name = nullptr;
        UINT nameLength = 0;
        if (VerQueryValueW(data.data(), query, reinterpret_cast<void**>(&name), &nameLength) &&
            nameLength > 0) {
            version.productName.assign(name, wcsnlen(name, nameLength));
        }
    }
    return version;
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
