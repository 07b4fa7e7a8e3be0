// A value as an automation server hands it over, described without Windows' types: its VARIANT
// type and the bytes of its payload. The Windows backend copies a VARIANT into this form (and
// reads through a reference for it); the conversion into the program's Variant is the same on
// every platform, so that it can be tested and fuzzed anywhere.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "Variant.h"

namespace platform {

// VARIANT types (VARTYPE) as automation defines them.
enum VariantType : std::uint16_t {
    kVtEmpty = 0,
    kVtNull = 1,
    kVtI2 = 2,
    kVtI4 = 3,
    kVtR4 = 4,
    kVtR8 = 5,
    kVtCy = 6,
    kVtDate = 7,
    kVtBstr = 8,
    kVtDispatch = 9,
    kVtError = 10,
    kVtBool = 11,
    kVtVariant = 12,
    kVtUnknown = 13,
    kVtDecimal = 14,
    kVtI1 = 16,
    kVtUi1 = 17,
    kVtUi2 = 18,
    kVtUi4 = 19,
    kVtI8 = 20,
    kVtUi8 = 21,
    kVtInt = 22,
    kVtUint = 23,
    kVtArray = 0x2000,
    kVtByRef = 0x4000,
};

struct RawVariant {
    // The type, without kVtByRef: a value given by reference is described by what it refers to.
    std::uint16_t type = kVtEmpty;
    // The first 16 bytes of a VARIANT holding the value, little-endian as on Windows: a number at
    // offset 8 (1, 2, 4 or 8 bytes); a DECIMAL over all 16 (scale at 2, sign at 3, the high 32
    // bits of the 96-bit magnitude at 4, the low 64 bits at 8).
    std::array<std::uint8_t, 16> bytes{};
    Text text;         // kVtBstr: the string's characters, NULs included
    ByteArray array;   // kVtArray | kVtUi1: a one-dimensional byte array
    ObjectRef object;  // kVtDispatch, kVtUnknown: the object, or nothing for a null pointer

    // Builders for tests and the stand-in's settings.
    static RawVariant OfType(std::uint16_t type);
    static RawVariant Integer(std::uint16_t type, std::int64_t value);  // I1 to UI8, INT, UINT,
                                                                        // BOOL, ERROR, CY (raw)
    static RawVariant Real(std::uint16_t type, double value);           // R4, R8, DATE
    static RawVariant Decimal(bool negative, std::uint8_t scale, std::uint32_t high,
                              std::uint64_t low);
    static RawVariant String(Text text);

    // A number's value as its bits (PayloadSize bytes from offset 8), as they stand or widened
    // with the sign of the type's size.
    std::uint64_t Bits() const;
    std::int64_t SignedBits() const;
};

// The size in bytes of the value of a number type (I1 to UI8, INT, UINT, BOOL, ERROR, R4, R8,
// CY, DATE); 0 for every other type.
std::size_t PayloadSize(std::uint16_t type);

// The program's value of what the server gave:
//   EMPTY -> Empty; NULL -> Null; I2 -> 16-bit; BOOL -> 16-bit -1 (any value but 0) or 0;
//   I1, UI1, UI2, I4, INT -> 32-bit; UI4, UINT, I8, UI8 -> 32-bit when they fit, else their
//   decimal text; R4, R8 -> the shortest text that reads back as the same number ("0.4",
//   "1E+300"); CY, DECIMAL -> their exact decimal text without trailing zeros ("12.5");
//   DATE -> "yyyy-mm-dd", or "yyyy-mm-dd hh:mm:ss" with a time of day (to the nearest second);
//   BSTR -> the text; DISPATCH, UNKNOWN -> the object; ARRAY of UI1 -> the byte array.
// Raises failure 6 for a NaN or infinite R4/R8, and for a DATE that is no day between the years
// 100 and 9999; failure 13 for ERROR, a DECIMAL of a scale above 28 or a sign other than 0 and
// 0x80, and every other type.
Variant FromRawVariant(const RawVariant& raw);

}  // namespace platform
