// The registration of the stand-in's classes, as the installation of a 32-bit ACT! leaves it:
// the ProgID names the class, the class names its local server, in the 32-bit view of
// HKEY_LOCAL_MACHINE\Software\Classes (Wow6432Node on 64-bit Windows). Wine ignores
// registrations under HKEY_CURRENT_USER.
#pragma once

#include <windows.h>

#include <string>

namespace standin {

// Writes ProgID\CLSID = clsid and CLSID\<clsid>\LocalServer32 = serverExe; the system's error
// code of the first write that fails, or ERROR_SUCCESS.
LSTATUS RegisterLocalServer(const wchar_t* progId, const wchar_t* clsid,
                            const std::wstring& serverExe);

}  // namespace standin
