#include "Variant.h"

#include <cmath>
#include <cwchar>
#include <limits>

#include "Failure.h"

namespace platform {

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

// Reads digits into a long double; returns false when there were none.
bool ReadDigits(const Text& text, std::size_t& pos, long double& value, int& digitsRead) {
    digitsRead = 0;
    while (pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9') {
        value = value * 10 + (text[pos] - L'0');
        ++pos;
        ++digitsRead;
    }
    return digitsRead > 0;
}

long double ParseNumber(const Text& text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) {
        negative = text[pos] == L'-';
        ++pos;
    }
    long double value = 0;
    int intDigits = 0;
    ReadDigits(text, pos, value, intDigits);
    int fracDigits = 0;
    if (pos < text.size() && text[pos] == L'.') {
        ++pos;
        long double scale = 1;
        while (pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9') {
            scale /= 10;
            value += (text[pos] - L'0') * scale;
            ++pos;
            ++fracDigits;
        }
    }
    if (intDigits + fracDigits == 0) {
        throw StandardFailure(kTypeMismatch);
    }
    if (pos < text.size() && (text[pos] == L'e' || text[pos] == L'E')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) {
            negativeExponent = text[pos] == L'-';
            ++pos;
        }
        long double exponent = 0;
        int expDigits = 0;
        if (!ReadDigits(text, pos, exponent, expDigits)) {
            throw StandardFailure(kTypeMismatch);
        }
        if (exponent > 4000) {
            exponent = 4000;
        }
        value *= std::pow(10.0L, negativeExponent ? -exponent : exponent);
    }
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    if (pos != text.size()) {
        throw StandardFailure(kTypeMismatch);
    }
    return negative ? -value : value;
}

long double RoundHalfEven(long double value) {
    long double floor = std::floor(value);
    long double diff = value - floor;
    if (diff > 0.5L) {
        return floor + 1;
    }
    if (diff < 0.5L) {
        return floor;
    }
    return std::fmod(floor, 2.0L) == 0 ? floor : floor + 1;
}

}  // namespace

std::int32_t TextToLong(const Text& text) {
    long double rounded = RoundHalfEven(ParseNumber(text));
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max())) {
        throw StandardFailure(kOverflow);
    }
    return static_cast<std::int32_t>(rounded);
}

Text VariantToText(const Variant& value) {
    if (const auto* text = std::get_if<Text>(&value)) {
        return *text;
    }
    if (const auto* i2 = std::get_if<std::int16_t>(&value)) {
        return std::to_wstring(*i2);
    }
    if (const auto* i4 = std::get_if<std::int32_t>(&value)) {
        return std::to_wstring(*i4);
    }
    if (IsEmpty(value)) {
        return Text();
    }
    throw StandardFailure(kTypeMismatch);
}

std::int32_t VariantToLong(const Variant& value) {
    if (const auto* i4 = std::get_if<std::int32_t>(&value)) {
        return *i4;
    }
    if (const auto* i2 = std::get_if<std::int16_t>(&value)) {
        return *i2;
    }
    if (const auto* text = std::get_if<Text>(&value)) {
        return TextToLong(*text);
    }
    if (IsEmpty(value)) {
        return 0;
    }
    throw StandardFailure(kTypeMismatch);
}

std::int16_t VariantToInteger(const Variant& value) {
    std::int32_t wide = VariantToLong(value);
    if (wide < std::numeric_limits<std::int16_t>::min() ||
        wide > std::numeric_limits<std::int16_t>::max()) {
        throw StandardFailure(kOverflow);
    }
    return static_cast<std::int16_t>(wide);
}

ObjectRef VariantToObject(const Variant& value) {
    if (const auto* object = std::get_if<ObjectRef>(&value)) {
        return *object;
    }
    if (IsEmpty(value)) {
        return nullptr;
    }
    throw StandardFailure(kTypeMismatch);
}

}  // namespace platform
