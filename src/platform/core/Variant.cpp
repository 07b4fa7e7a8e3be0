#include "Variant.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cwchar>
#include <limits>

#include "Failure.h"

namespace platform {

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

// The digits of a number: at most kKeptDigits significant ones, the rest only shift the decimal
// exponent, so that any length of text is read in bounded precision and never overflows.
constexpr int kKeptDigits = 36;
constexpr std::int64_t kExponentLimit = 100000;

struct DecimalNumber {
    long double mantissa = 0;  // the significant digits read, as an integer
    std::int64_t exponent = 0;
    int kept = 0;

    void Add(int digit, bool fraction) {
        if (mantissa == 0 && digit == 0) {
            exponent -= fraction ? 1 : 0;  // leading zeros
        } else if (kept < kKeptDigits) {
            mantissa = mantissa * 10 + digit;
            ++kept;
            exponent -= fraction ? 1 : 0;
        } else {
            exponent += fraction ? 0 : 1;
        }
        exponent = std::clamp(exponent, -kExponentLimit, kExponentLimit);
    }

    // The value; one that is not 0 never comes out as 0, however small.
    long double Value() const {
        if (mantissa == 0) {
            return 0;
        }
        long double value = exponent < 0 ? mantissa / std::pow(10.0L, -exponent)
                                         : mantissa * std::pow(10.0L, exponent);
        return value == 0 ? std::numeric_limits<long double>::denorm_min() : value;
    }
};

bool IsDigit(const Text& text, std::size_t pos) {
    return pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9';
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
    DecimalNumber number;
    bool anyDigit = false;
    for (; IsDigit(text, pos); ++pos) {
        number.Add(text[pos] - L'0', false);
        anyDigit = true;
    }
    if (pos < text.size() && text[pos] == L'.') {
        for (++pos; IsDigit(text, pos); ++pos) {
            number.Add(text[pos] - L'0', true);
            anyDigit = true;
        }
    }
    if (!anyDigit) {
        throw StandardFailure(kTypeMismatch);
    }
    if (pos < text.size() && (text[pos] == L'e' || text[pos] == L'E')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) {
            negativeExponent = text[pos] == L'-';
            ++pos;
        }
        if (!IsDigit(text, pos)) {
            throw StandardFailure(kTypeMismatch);
        }
        std::int64_t exponent = 0;
        for (; IsDigit(text, pos); ++pos) {
            exponent = std::min(exponent * 10 + (text[pos] - L'0'), kExponentLimit);
        }
        number.exponent = std::clamp(number.exponent + (negativeExponent ? -exponent : exponent),
                                     -kExponentLimit, kExponentLimit);
    }
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    if (pos != text.size()) {
        throw StandardFailure(kTypeMismatch);
    }
    long double value = number.Value();
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

long double TextToNumber(const Text& text) {
    return ParseNumber(text);
}

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
    throw StandardFailure(IsNull(value) ? kInvalidUseOfNull : kTypeMismatch);
}

std::int32_t VariantToLong(const Variant& value) {
    if (const auto* text = std::get_if<Text>(&value)) {
        return TextToLong(*text);
    }
    // The whole numbers and Empty exactly; the other kinds raise their failures.
    return static_cast<std::int32_t>(VariantToNumber(value));
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
    throw StandardFailure(IsNull(value) ? kInvalidUseOfNull : kTypeMismatch);
}

long double VariantToNumber(const Variant& value) {
    if (const auto* i4 = std::get_if<std::int32_t>(&value)) {
        return *i4;
    }
    if (const auto* i2 = std::get_if<std::int16_t>(&value)) {
        return *i2;
    }
    if (const auto* text = std::get_if<Text>(&value)) {
        return TextToNumber(*text);
    }
    if (IsEmpty(value)) {
        return 0;
    }
    throw StandardFailure(IsNull(value) ? kInvalidUseOfNull : kTypeMismatch);
}

bool VariantEqualsZero(const Variant& value) {
    return !IsNull(value) && VariantToNumber(value) == 0;
}

}  // namespace platform
