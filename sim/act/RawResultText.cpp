#include "RawResultText.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

#include "platform/core/Failure.h"
#include "platform/core/Utf8.h"

namespace platform::actmodel {

namespace {

struct TypeName {
    const char* name;
    std::uint16_t type;
    std::int64_t min;  // whole numbers: the range
    std::uint64_t max;
};

constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();
constexpr std::uint64_t kMax64 = std::numeric_limits<std::uint64_t>::max();

constexpr std::array<TypeName, 20> kTypes = {{
    {"EMPTY", kVtEmpty, 0, 0},
    {"NULL", kVtNull, 0, 0},
    {"DISPATCH", kVtDispatch, 0, 0},
    {"BOOL", kVtBool, -32768, 32767},
    {"ERROR", kVtError, -2147483648LL, 4294967295ULL},
    {"I1", kVtI1, -128, 127},
    {"UI1", kVtUi1, 0, 255},
    {"I2", kVtI2, -32768, 32767},
    {"UI2", kVtUi2, 0, 65535},
    {"I4", kVtI4, -2147483648LL, 2147483647},
    {"UI4", kVtUi4, 0, 4294967295ULL},
    {"INT", kVtInt, -2147483648LL, 2147483647},
    {"UINT", kVtUint, 0, 4294967295ULL},
    {"I8", kVtI8, kMin64, static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())},
    {"UI8", kVtUi8, 0, kMax64},
    {"R4", kVtR4, 0, 0},
    {"R8", kVtR8, 0, 0},
    {"DATE", kVtDate, 0, 0},
    {"CY", kVtCy, 0, 0},
    {"DECIMAL", kVtDecimal, 0, 0},
}};

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsWhole(std::uint16_t type) {
    return type == kVtBool || type == kVtError || type == kVtI1 || type == kVtUi1 ||
           type == kVtI2 || type == kVtUi2 || type == kVtI4 || type == kVtUi4 || type == kVtInt ||
           type == kVtUint || type == kVtI8 || type == kVtUi8;
}

bool IsReal(std::uint16_t type) {
    return type == kVtR4 || type == kVtR8 || type == kVtDate;
}

std::optional<RawVariant> ReadWhole(const TypeName& type, std::string_view text) {
    bool negative = !text.empty() && text.front() == '-';
    std::string_view digits = negative ? text.substr(1) : text;
    std::uint64_t magnitude = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    if (negative) {
        std::uint64_t limit = type.min < 0 ? static_cast<std::uint64_t>(-(type.min + 1)) + 1 : 0;
        if (magnitude > limit) {
            return std::nullopt;
        }
        return RawVariant::Integer(type.type, static_cast<std::int64_t>(0 - magnitude));
    }
    if (magnitude > type.max) {
        return std::nullopt;
    }
    return RawVariant::Integer(type.type, static_cast<std::int64_t>(magnitude));
}

std::optional<RawVariant> ReadReal(std::uint16_t type, std::string_view text) {
    std::string word = Upper(text);
    double value = 0;
    if (word == "NAN") {
        value = std::numeric_limits<double>::quiet_NaN();
    } else if (word == "INF" || word == "-INF") {
        value = word == "INF" ? std::numeric_limits<double>::infinity()
                              : -std::numeric_limits<double>::infinity();
    } else {
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
            return std::nullopt;
        }
    }
    return RawVariant::Real(type, value);
}

// A decimal number as its digits (without leading zeros) and the number of them after the point.
struct Decimal {
    bool negative = false;
    std::string digits;
    std::size_t scale = 0;
};

std::optional<Decimal> ReadDecimal(std::string_view text) {
    Decimal decimal;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        decimal.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool point = false;
    bool anyDigit = false;
    for (char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            anyDigit = true;
            decimal.digits.push_back(c);
            decimal.scale += point ? 1 : 0;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    decimal.digits.erase(0, std::min(decimal.digits.find_first_not_of('0'), decimal.digits.size()));
    return decimal;
}

std::optional<RawVariant> ReadCurrency(std::string_view text) {
    constexpr std::size_t kScale = 4;
    std::optional<Decimal> decimal = ReadDecimal(text);
    if (!decimal || decimal->scale > kScale) {
        return std::nullopt;
    }
    std::string digits = decimal->digits + std::string(kScale - decimal->scale, '0');
    std::uint64_t magnitude = 0;
    if (!digits.empty()) {
        auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
        if (error != std::errc() || end != digits.data() + digits.size()) {
            return std::nullopt;
        }
    }
    constexpr auto kLimit = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (magnitude > kLimit + (decimal->negative ? 1 : 0)) {
        return std::nullopt;
    }
    return RawVariant::Integer(
        kVtCy, static_cast<std::int64_t>(decimal->negative ? 0 - magnitude : magnitude));
}

std::optional<RawVariant> ReadDecimalValue(std::string_view text) {
    constexpr std::size_t kMaxScale = 28;
    std::optional<Decimal> decimal = ReadDecimal(text);
    if (!decimal || decimal->scale > kMaxScale) {
        return std::nullopt;
    }
    // The 96-bit magnitude in three 32-bit pieces, most significant first.
    std::array<std::uint64_t, 3> limbs = {0, 0, 0};
    for (char c : decimal->digits) {
        std::uint64_t carry = static_cast<std::uint64_t>(c - '0');
        for (auto limb = limbs.rbegin(); limb != limbs.rend(); ++limb) {
            std::uint64_t value = *limb * 10 + carry;
            *limb = value & 0xFFFFFFFFu;
            carry = value >> 32;
        }
        if (carry != 0) {
            return std::nullopt;
        }
    }
    return RawVariant::Decimal(decimal->negative, static_cast<std::uint8_t>(decimal->scale),
                               static_cast<std::uint32_t>(limbs[0]), (limbs[1] << 32) | limbs[2]);
}

Text Unescaped(std::string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            char next = text[++i];
            bytes.push_back(next == '0' ? '\0' : next == 'r' ? '\r' : next == 'n' ? '\n' : next);
        } else {
            bytes.push_back(text[i]);
        }
    }
    return FromUtf8(bytes);
}

std::string Escaped(const Text& text) {
    std::string bytes = ToUtf8(text);
    std::string escaped;
    for (char c : bytes) {
        switch (c) {
            case '\0':
                escaped += "\\0";
                break;
            case '\r':
                escaped += "\\r";
                break;
            case '\n':
                escaped += "\\n";
                break;
            case '\\':
                escaped += "\\\\";
                break;
            default:
                escaped.push_back(c);
        }
    }
    return escaped;
}

template <typename Real>
std::string RealText(Real value) {
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value > 0 ? "inf" : "-inf";
    }
    std::array<char, 64> digits{};
    auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    return error == std::errc() ? std::string(digits.data(), end) : std::string("nan");
}

std::string WholeText(const RawVariant& raw, const TypeName& type) {
    return type.min < 0 ? std::to_string(raw.SignedBits()) : std::to_string(raw.Bits());
}

}  // namespace

std::optional<RawResult> ReadRawResult(const std::string& line) {
    std::string_view text = Trimmed(line);
    std::size_t blank = text.find_first_of(" \t");
    std::string name = Upper(text.substr(0, blank));
    std::string_view rest =
        blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
    RawResult result;
    if (!name.empty() && name.back() == '&') {
        result.byReference = true;
        name.pop_back();
    }
    if (name == "BSTR") {
        // The text begins after the one blank that follows the type.
        result.value = RawVariant::String(Unescaped(rest));
        return result;
    }
    rest = Trimmed(rest);
    for (const TypeName& type : kTypes) {
        if (name != type.name) {
            continue;
        }
        std::optional<RawVariant> value;
        if (IsWhole(type.type)) {
            value = ReadWhole(type, rest);
        } else if (IsReal(type.type)) {
            value = ReadReal(type.type, rest);
        } else if (type.type == kVtCy) {
            value = ReadCurrency(rest);
        } else if (type.type == kVtDecimal) {
            value = ReadDecimalValue(rest);
        } else if (rest.empty()) {
            value = RawVariant::OfType(type.type);
        }
        if (!value) {
            return std::nullopt;
        }
        result.value = *value;
        return result;
    }
    return std::nullopt;
}

std::string WriteRawResult(const RawResult& result) {
    const RawVariant& raw = result.value;
    std::string reference = result.byReference ? "&" : "";
    if (raw.type == kVtBstr) {
        return "BSTR" + reference + " " + Escaped(raw.text);
    }
    for (const TypeName& type : kTypes) {
        if (type.type != raw.type) {
            continue;
        }
        std::string head = type.name + reference;
        if (IsWhole(raw.type)) {
            return head + " " + WholeText(raw, type);
        }
        if (raw.type == kVtR4) {
            return head + " " +
                   RealText(std::bit_cast<float>(static_cast<std::uint32_t>(raw.Bits())));
        }
        if (IsReal(raw.type)) {
            return head + " " + RealText(std::bit_cast<double>(raw.Bits()));
        }
        if (raw.type == kVtCy || raw.type == kVtDecimal) {
            try {
                return head + " " + ToUtf8(VariantToText(FromRawVariant(raw)));
            } catch (const Failure&) {
                return head + " 0";
            }
        }
        return head;
    }
    return "EMPTY";
}

}  // namespace platform::actmodel
