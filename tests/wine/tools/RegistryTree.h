// Deleting a registry key with everything below it, in a chosen view of HKEY_LOCAL_MACHINE,
// with the functions of Windows XP (RegDeleteTree came with Windows Vista).
#pragma once

#include <windows.h>

#include <string>

namespace winetest {

// Deletes root\path and every key below it in the view (0, KEY_WOW64_32KEY or KEY_WOW64_64KEY);
// ERROR_SUCCESS, or ERROR_FILE_NOT_FOUND when the key does not exist.
LSTATUS DeleteKeyTree(HKEY root, const std::wstring& path, REGSAM view);

// Whether root\path exists in the view.
bool KeyExists(HKEY root, const std::wstring& path, REGSAM view);

}  // namespace winetest
