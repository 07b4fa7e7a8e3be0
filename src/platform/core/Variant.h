// Variant: a value that is empty, Null, or holds a text, a 16-bit or 32-bit integer, a byte
// array or an automation object reference.
#pragma once

#include <cstdint>
#include <memory>
#include <variant>
#include <vector>

#include "Types.h"

namespace platform {

class AutomationObject;

// A counted reference to an object of an automation server. An empty pointer is "nothing";
// assigning a new reference, or nothing, releases the old one.
using ObjectRef = std::shared_ptr<AutomationObject>;

// No value at all; distinct from the empty text.
struct Empty {
    friend bool operator==(const Empty&, const Empty&) = default;
};

// A known absence of a value, as an automation server can give it: neither the number 0 nor the
// empty text, and distinct from Empty.
struct Null {
    friend bool operator==(const Null&, const Null&) = default;
};

// A byte array whose first index is lowerBound (0 for arrays the program makes).
struct ByteArray {
    std::int32_t lowerBound = 0;
    std::vector<std::uint8_t> bytes;

    // Upper bound of the indices; lowerBound - 1 for an array without elements.
    std::int32_t UpperBound() const {
        return lowerBound + static_cast<std::int32_t>(bytes.size()) - 1;
    }
    friend bool operator==(const ByteArray&, const ByteArray&) = default;
};

using Variant = std::variant<Empty, Null, Text, std::int16_t, std::int32_t, ByteArray, ObjectRef>;

inline bool IsEmpty(const Variant& value) {
    return std::holds_alternative<Empty>(value);
}

inline bool IsNull(const Variant& value) {
    return std::holds_alternative<Null>(value);
}

// Conversions of variants as the automation results are taken. Empty converts to "" and 0;
// Null has neither form and raises failure 94. A value that has no such form raises failure 13,
// a number that does not fit failure 6. A text converts to a number when it is one (see
// TextToLong), rounded half to even.
Text VariantToText(const Variant& value);
std::int32_t VariantToLong(const Variant& value);
std::int16_t VariantToInteger(const Variant& value);
// Empty converts to nothing; Null raises failure 94, any other non-object failure 13.
ObjectRef VariantToObject(const Variant& value);

// The value as a number, without rounding: Empty is 0, a text is read as TextToLong reads it.
// Null raises failure 94, a text that is no number and the other kinds failure 13.
long double VariantToNumber(const Variant& value);

// Whether the value equals 0 as a comparison with the number 0 finds it: Empty does, Null never
// does (without a failure), a number text is compared by its value, so that "0.4" is not 0.
// A text that is no number, an array or an object raises failure 13.
bool VariantEqualsZero(const Variant& value);

// Parses a number written as text, as a conversion to a 32-bit integer does: blanks around it,
// a sign, decimal digits, an optional fraction (rounded half to even) and exponent. Failure 13
// when the text is no number, 6 when it is outside the 32-bit range.
std::int32_t TextToLong(const Text& text);

// The same text read as a number without rounding; failure 13 when it is no number.
long double TextToNumber(const Text& text);

}  // namespace platform
