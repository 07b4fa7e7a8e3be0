// The text form of a registry file ("Windows Registry Editor Version 5.00"), in which the Linux
// program keeps the simulated registry of its world folder:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Symantec\ACT!\Layout]
//   "CurrentContactLayout"="C:\\ACT\\Layouts\\Kontakt.cly"
//   @="the default value"
//   "Count"=dword:0000002a
//   "Bytes"=hex:01,02,03
//   "Path"=hex(2):25,00
//
// "name"="text" is a REG_SZ value whose data is the text in the ANSI code page followed by one
// NUL (inside the quotes \\ stands for a backslash and \" for a quote); dword:xxxxxxxx is a
// REG_DWORD of 4 bytes; hex:.. a REG_BINARY; hex(n):.. a value of type n (hexadecimal) with
// exactly the bytes listed, used for every other type and for a REG_SZ whose data is not a
// single-line text with one terminating NUL. @ names the default value. A line ending in a
// backslash continues on the next. Lines starting with ';' are comments.
//
// The file is written in UTF-8 with CR LF line ends; UTF-16 LE with a byte order mark, as the
// registry editor writes it, is read as well.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/Types.h"

namespace platform::sim {

struct RegFileValue {
    Text name;  // empty for the default value
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    friend bool operator==(const RegFileValue&, const RegFileValue&) = default;
};

struct RegFileKey {
    Text path;  // full path with its root, e.g. "HKEY_CURRENT_USER\Software"
    std::vector<RegFileValue> values;
    friend bool operator==(const RegFileKey&, const RegFileKey&) = default;
};

// The text of a registry file holding these keys in this order. A key or a value name that
// holds a line break cannot be written in this form and is left out.
std::string WriteRegFile(const std::vector<RegFileKey>& keys);

// The keys of a registry file's text. Sections of the same key (compared without regard to
// case) are merged, and a later value replaces an earlier one of the same name. What cannot be
// read is skipped: a line that is neither a section, a value nor a comment, a value outside a
// section, a value with malformed data, and deletions ([-key], "name"=-). Never throws on bad
// input.
std::vector<RegFileKey> ReadRegFile(std::string_view text);

}  // namespace platform::sim
