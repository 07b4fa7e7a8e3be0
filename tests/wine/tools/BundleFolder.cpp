#include "BundleFolder.h"

#include <windows.h>

#include <vector>

namespace winetest {

namespace {

std::wstring EnvironmentText(const wchar_t* name) {
    DWORD needed = GetEnvironmentVariableW(name, nullptr, 0);
    if (needed == 0) {
        return std::wstring();
    }
    std::vector<wchar_t> buffer(needed, L'\0');
    DWORD length = GetEnvironmentVariableW(name, buffer.data(), needed);
    return length < needed ? std::wstring(buffer.data(), length) : std::wstring();
}

std::wstring OwnFolder() {
    std::vector<wchar_t> buffer(MAX_PATH, L'\0');
    while (true) {
        DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return L".";
        }
        if (length < buffer.size()) {
            std::wstring path(buffer.data(), length);
            std::size_t slash = path.find_last_of(L"\\/");
            return slash == std::wstring::npos ? L"." : path.substr(0, slash);
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring Root() {
    std::wstring root = EnvironmentText(L"QH_TESTS_ROOT");
    while (!root.empty() && (root.back() == L'\\' || root.back() == L'/')) {
        root.pop_back();
    }
    return root.empty() ? OwnFolder() : root;
}

}  // namespace

std::wstring BundleFile(const std::wstring& relativePath) {
    static const std::wstring root = Root();
    return root + L"\\" + relativePath;
}

bool RunsUnderWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace winetest
