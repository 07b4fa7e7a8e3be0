#include "RawVariant.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>

#include "Failure.h"

namespace platform {

namespace {

constexpr std::size_t kValueOffset = 8;

std::uint64_t LittleEndian(const RawVariant& raw, std::size_t offset, std::size_t size) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        value |= static_cast<std::uint64_t>(raw.bytes[offset + i]) << (8 * i);
    }
    return value;
}

void PutLittleEndian(RawVariant& raw, std::size_t offset, std::size_t size, std::uint64_t value) {
    for (std::size_t i = 0; i < size; ++i) {
        raw.bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

Variant WholeNumber(std::int64_t value) {
    if (value >= std::numeric_limits<std::int32_t>::min() &&
        value <= std::numeric_limits<std::int32_t>::max()) {
        return static_cast<std::int32_t>(value);
    }
    return Text(std::to_wstring(value));
}

Variant WholeNumber(std::uint64_t value) {
    if (value <= static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
        return static_cast<std::int32_t>(value);
    }
    return Text(std::to_wstring(value));
}

Text Widened(const char* first, const char* last) {
    Text text;
    for (const char* c = first; c != last; ++c) {
        text.push_back(*c == 'e' ? L'E' : static_cast<wchar_t>(*c));
    }
    return text;
}

// The shortest text that reads back as the same number, "0.4" or "1E+300".
template <typename Real>
Text RealText(Real value) {
    if (!std::isfinite(value)) {
        throw StandardFailure(kOverflow);
    }
    std::array<char, 64> digits{};
    auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc()) {
        throw StandardFailure(kOverflow);
    }
    return Widened(digits.data(), end);
}

// A magnitude written with `scale` decimals, without trailing zeros of the fraction.
Text ScaledText(bool negative, Text digits, std::size_t scale) {
    if (digits.size() <= scale) {
        digits.insert(0, scale + 1 - digits.size(), L'0');
    }
    Text text = digits.substr(0, digits.size() - scale);
    Text fraction = digits.substr(digits.size() - scale);
    while (!fraction.empty() && fraction.back() == L'0') {
        fraction.pop_back();
    }
    if (!fraction.empty()) {
        text += L"." + fraction;
    }
    if (negative && text != L"0") {
        text.insert(0, 1, L'-');
    }
    return text;
}

Text CurrencyText(std::int64_t units) {
    bool negative = units < 0;
    std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
    return ScaledText(negative, std::to_wstring(magnitude), 4);
}

// The decimal digits of a 96-bit magnitude, by long division in 32-bit pieces.
Text DigitsOf96(std::uint32_t high, std::uint64_t low) {
    std::array<std::uint32_t, 3> limbs = {high, static_cast<std::uint32_t>(low >> 32),
                                          static_cast<std::uint32_t>(low)};
    Text digits;
    do {
        std::uint64_t rest = 0;
        for (std::uint32_t& limb : limbs) {
            std::uint64_t current = (rest << 32) | limb;
            limb = static_cast<std::uint32_t>(current / 10);
            rest = current % 10;
        }
        digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + rest));
    } while (limbs[0] != 0 || limbs[1] != 0 || limbs[2] != 0);
    return digits;
}

Text DecimalText(const RawVariant& raw) {
    constexpr std::uint8_t kNegative = 0x80;
    constexpr std::uint8_t kMaxScale = 28;
    std::uint8_t scale = raw.bytes[2];
    std::uint8_t sign = raw.bytes[3];
    if (scale > kMaxScale || (sign != 0 && sign != kNegative)) {
        throw StandardFailure(kTypeMismatch);
    }
    auto high = static_cast<std::uint32_t>(LittleEndian(raw, 4, 4));
    std::uint64_t low = LittleEndian(raw, kValueOffset, 8);
    return ScaledText(sign == kNegative, DigitsOf96(high, low), scale);
}

Text TwoDigits(std::int64_t value) {
    return Text(1, static_cast<wchar_t>(L'0' + value / 10)) +
           static_cast<wchar_t>(L'0' + value % 10);
}

// A day counted from 1899-12-30, as year, month and day of the Gregorian calendar.
Text CalendarDate(std::int64_t day) {
    // Days from 0000-03-01, then eras of 400 years.
    std::int64_t z = day + 693899;  // 1899-12-30 is day 693899 after 0000-03-01
    std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    std::int64_t dayOfEra = z - era * 146097;
    std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    std::int64_t dayOfMonth = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    std::int64_t month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return TwoDigits(year / 100) + TwoDigits(year % 100) + L"-" + TwoDigits(month) + L"-" +
           TwoDigits(dayOfMonth);
}

// An automation date: whole days from 1899-12-30 before the point, the time of day after it,
// also for days before that date (-1.25 is 1899-12-29 06:00).
Text DateText(double date) {
    constexpr double kFirstDay = -657434;      // 0100-01-01
    constexpr double kAfterLastDay = 2958466;  // 10000-01-01
    constexpr std::int64_t kSecondsPerDay = 86400;
    // The day is the whole part: -657434.5 is noon of the first day.
    if (!(std::trunc(date) >= kFirstDay && date < kAfterLastDay)) {
        throw StandardFailure(kOverflow);
    }
    double whole = std::trunc(date);
    auto day = static_cast<std::int64_t>(whole);
    auto seconds =
        static_cast<std::int64_t>(std::llround(std::fabs(date - whole) * kSecondsPerDay));
    if (seconds >= kSecondsPerDay) {
        // Midnight of the next day, whichever side of 1899-12-30 the day lies.
        seconds -= kSecondsPerDay;
        ++day;
        if (day >= static_cast<std::int64_t>(kAfterLastDay)) {
            throw StandardFailure(kOverflow);
        }
    }
    Text text = CalendarDate(day);
    if (seconds != 0) {
        text += L" " + TwoDigits(seconds / 3600) + L":" + TwoDigits(seconds / 60 % 60) + L":" +
                TwoDigits(seconds % 60);
    }
    return text;
}

}  // namespace

std::size_t PayloadSize(std::uint16_t type) {
    switch (type) {
        case kVtI1:
        case kVtUi1:
            return 1;
        case kVtI2:
        case kVtUi2:
        case kVtBool:
            return 2;
        case kVtI4:
        case kVtUi4:
        case kVtInt:
        case kVtUint:
        case kVtError:
        case kVtR4:
            return 4;
        case kVtI8:
        case kVtUi8:
        case kVtR8:
        case kVtCy:
        case kVtDate:
            return 8;
        default:
            return 0;
    }
}

std::uint64_t RawVariant::Bits() const {
    return LittleEndian(*this, kValueOffset, PayloadSize(type));
}

std::int64_t RawVariant::SignedBits() const {
    std::size_t bits = 8 * PayloadSize(type);
    std::uint64_t value = Bits();
    if (bits > 0 && bits < 64 && (value >> (bits - 1)) != 0) {
        value |= ~std::uint64_t{0} << bits;
    }
    return static_cast<std::int64_t>(value);
}

RawVariant RawVariant::OfType(std::uint16_t type) {
    RawVariant raw;
    raw.type = type;
    return raw;
}

RawVariant RawVariant::Integer(std::uint16_t type, std::int64_t value) {
    RawVariant raw = OfType(type);
    PutLittleEndian(raw, kValueOffset, PayloadSize(type), static_cast<std::uint64_t>(value));
    return raw;
}

RawVariant RawVariant::Real(std::uint16_t type, double value) {
    RawVariant raw = OfType(type);
    if (type == kVtR4) {
        PutLittleEndian(raw, kValueOffset, 4,
                        std::bit_cast<std::uint32_t>(static_cast<float>(value)));
    } else {
        PutLittleEndian(raw, kValueOffset, 8, std::bit_cast<std::uint64_t>(value));
    }
    return raw;
}

RawVariant RawVariant::Decimal(bool negative, std::uint8_t scale, std::uint32_t high,
                               std::uint64_t low) {
    RawVariant raw = OfType(kVtDecimal);
    raw.bytes[2] = scale;
    raw.bytes[3] = negative ? 0x80 : 0;
    PutLittleEndian(raw, 4, 4, high);
    PutLittleEndian(raw, kValueOffset, 8, low);
    return raw;
}

RawVariant RawVariant::String(Text text) {
    RawVariant raw = OfType(kVtBstr);
    raw.text = std::move(text);
    return raw;
}

Variant FromRawVariant(const RawVariant& raw) {
    switch (raw.type) {
        case kVtEmpty:
            return Empty();
        case kVtNull:
            return Null();
        case kVtI2:
            return static_cast<std::int16_t>(raw.SignedBits());
        case kVtBool:
            return static_cast<std::int16_t>(raw.Bits() == 0 ? 0 : -1);
        case kVtI1:
        case kVtI4:
        case kVtInt:
        case kVtI8:
            return WholeNumber(raw.SignedBits());
        case kVtUi1:
        case kVtUi2:
        case kVtUi4:
        case kVtUint:
        case kVtUi8:
            return WholeNumber(raw.Bits());
        case kVtR4:
            return RealText(std::bit_cast<float>(static_cast<std::uint32_t>(raw.Bits())));
        case kVtR8:
            return RealText(std::bit_cast<double>(raw.Bits()));
        case kVtCy:
            return CurrencyText(raw.SignedBits());
        case kVtDecimal:
            return DecimalText(raw);
        case kVtDate:
            return DateText(std::bit_cast<double>(raw.Bits()));
        case kVtBstr:
            return raw.text;
        case kVtDispatch:
        case kVtUnknown:
            return raw.object;
        case kVtArray | kVtUi1:
            return raw.array;
        default:
            throw StandardFailure(kTypeMismatch);
    }
}

}  // namespace platform
