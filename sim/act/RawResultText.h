// A result in the form a server hands it over, written as a line of act.ini:
//
//   EMPTY | NULL | DISPATCH          (DISPATCH: a null object pointer)
//   BOOL n | ERROR n                 (n a 16-bit or 32-bit number; BOOL -1 is true, 0 false)
//   I1 n | UI1 n | I2 n | UI2 n | I4 n | UI4 n | INT n | UINT n | I8 n | UI8 n
//   R4 x | R8 x | DATE x             (x a decimal number, or nan, inf, -inf; DATE in days
//                                     from 1899-12-30)
//   CY x | DECIMAL x                 (x a decimal number, held exactly: at most 4 decimals for
//                                     CY, 28 for DECIMAL)
//   BSTR text                        (the rest of the line; \0, \r, \n and \\ stand for NUL,
//                                     CR, LF and the backslash)
//
// The type in capitals or not; a "&" right after it gives the value by reference ("I4& 5",
// "BSTR& 6.0"). A number outside its type's range does not read.
#pragma once

#include <optional>
#include <string>

#include "ActState.h"

namespace platform::actmodel {

std::optional<RawResult> ReadRawResult(const std::string& text);

// The line that ReadRawResult reads back as the same result.
std::string WriteRawResult(const RawResult& result);

}  // namespace platform::actmodel
