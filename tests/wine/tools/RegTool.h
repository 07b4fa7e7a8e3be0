// The registry of the test prefix through Wine's own reg.exe: set up before a run and read back
// after it, independently of the program under test.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>

namespace winetest {

// Which view of HKEY_LOCAL_MACHINE\SOFTWARE a command works on: that of reg.exe's own bitness,
// the 32-bit one (Wow6432Node) that a program opening keys with KEY_WOW64_32KEY sees, or the
// 64-bit one.
enum class RegView { Native, Bits32, Bits64 };

// Runs "reg.exe <arguments>" and gives its exit code (0 success, 1 failure; -1: not started or
// ended after a time limit).
int Reg(const std::wstring& arguments, RegView view = RegView::Native);

// A text as it stands between the quotes of a registry file: backslashes and quotes escaped.
std::wstring RegFileQuoted(const std::wstring& text);

// Imports a registry file's text ("Windows Registry Editor Version 5.00" and sections) with
// "reg import"; true on success.
bool RegImport(const std::wstring& text, RegView view = RegView::Native);

// The string values of a key as "reg export" writes them (names to texts, the default value
// under "@"); nothing when the key cannot be exported (it does not exist).
std::optional<std::map<std::wstring, std::wstring>> RegExportStrings(
    const std::wstring& key, RegView view = RegView::Native);

}  // namespace winetest
