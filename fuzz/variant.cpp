// A result of any VARIANT type and bytes, as an automation server may hand it over, through the
// conversion into the program's value and onward to text, numbers, objects and the comparison
// with 0: each returns a value or raises one of the conversions' failures (6, 13, 94), never
// anything else, and a value that is not 0 never compares as 0.
//
// Input: byte 0 picks the type (most often one automation knows, else any 16-bit type with
// byte 1), byte 1 bit 0 gives an object for DISPATCH and UNKNOWN, bytes 2 to 17 are the
// VARIANT's first 16 bytes, the rest is the string (two bytes a character) and the byte array.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "platform/Automation.h"
#include "platform/core/Failure.h"
#include "platform/core/RawVariant.h"

namespace {

using platform::RawVariant;
using platform::Variant;

class SomeObject final : public platform::AutomationObject {
  public:
    Variant Invoke(const platform::Text&, platform::CallKind,
                   const std::vector<platform::Argument>&) override {
        return platform::Empty();
    }
    void PutDefault(const Variant&) override {}
};

constexpr std::uint16_t kTypes[] = {platform::kVtEmpty,
                                    platform::kVtNull,
                                    platform::kVtI2,
                                    platform::kVtI4,
                                    platform::kVtR4,
                                    platform::kVtR8,
                                    platform::kVtCy,
                                    platform::kVtDate,
                                    platform::kVtBstr,
                                    platform::kVtDispatch,
                                    platform::kVtError,
                                    platform::kVtBool,
                                    platform::kVtVariant,
                                    platform::kVtUnknown,
                                    platform::kVtDecimal,
                                    platform::kVtI1,
                                    platform::kVtUi1,
                                    platform::kVtUi2,
                                    platform::kVtUi4,
                                    platform::kVtI8,
                                    platform::kVtUi8,
                                    platform::kVtInt,
                                    platform::kVtUint,
                                    platform::kVtArray | platform::kVtUi1,
                                    platform::kVtArray | platform::kVtI4};

bool IsConversionFailure(const platform::Failure& failure) {
    std::int32_t number = failure.Number();
    return number == platform::kOverflow || number == platform::kTypeMismatch ||
           number == platform::kInvalidUseOfNull;
}

// Runs one conversion: a value, or one of the conversions' failures.
template <typename Conversion>
void Converts(Conversion conversion) {
    try {
        conversion();
    } catch (const platform::Failure& failure) {
        if (!IsConversionFailure(failure)) {
            std::abort();
        }
    } catch (...) {
        std::abort();
    }
}

std::uint64_t Payload(const RawVariant& raw) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        value |= static_cast<std::uint64_t>(raw.bytes[8 + i]) << (8 * i);
    }
    return value;
}

// Whether the raw value is the number 0, when it is a number (nothing to say otherwise).
std::optional<bool> IsZero(const RawVariant& raw) {
    std::uint64_t bits = Payload(raw);
    switch (raw.type) {
        case platform::kVtR8: {
            double value = 0;
            std::memcpy(&value, &bits, sizeof value);
            return std::isnan(value) ? std::nullopt : std::optional<bool>(value == 0);
        }
        case platform::kVtR4: {
            float value = 0;
            auto low = static_cast<std::uint32_t>(bits);
            std::memcpy(&value, &low, sizeof value);
            return std::isnan(value) ? std::nullopt : std::optional<bool>(value == 0);
        }
        case platform::kVtCy:
        case platform::kVtI8:
        case platform::kVtUi8:
            return bits == 0;
        case platform::kVtI4:
        case platform::kVtUi4:
        case platform::kVtInt:
        case platform::kVtUint:
            return static_cast<std::uint32_t>(bits) == 0;
        case platform::kVtDecimal: {
            bool magnitudeZero = bits == 0 && raw.bytes[4] == 0 && raw.bytes[5] == 0 &&
                                 raw.bytes[6] == 0 && raw.bytes[7] == 0;
            return magnitudeZero;
        }
        default:
            return std::nullopt;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 18) {
        return 0;
    }
    RawVariant raw;
    raw.type = data[0] < 2 * std::size(kTypes) ? kTypes[data[0] % std::size(kTypes)]
                                               : static_cast<std::uint16_t>(data[0] << 8 | data[1]);
    std::memcpy(raw.bytes.data(), data + 2, raw.bytes.size());
    for (std::size_t i = 18; i + 1 < size; i += 2) {
        raw.text.push_back(static_cast<wchar_t>(data[i] | data[i + 1] << 8));
    }
    raw.array.lowerBound = static_cast<std::int32_t>(data[2]) - 128;
    raw.array.bytes.assign(data + 18, data + size);
    if ((data[1] & 1) != 0) {
        raw.object = std::make_shared<SomeObject>();
    }

    Variant value;
    try {
        value = platform::FromRawVariant(raw);
    } catch (const platform::Failure& failure) {
        if (failure.Number() != platform::kOverflow &&
            failure.Number() != platform::kTypeMismatch) {
            std::abort();
        }
        return 0;
    } catch (...) {
        std::abort();
    }

    Converts([&] { platform::VariantToText(value); });
    Converts([&] { platform::VariantToLong(value); });
    Converts([&] { platform::VariantToInteger(value); });
    Converts([&] { platform::VariantToObject(value); });
    Converts([&] { platform::VariantToNumber(value); });
    std::optional<bool> zero;
    Converts([&] { zero = platform::VariantEqualsZero(value); });

    // Numbers keep whether they are 0 through their text form; Null never is 0.
    std::optional<bool> expected = IsZero(raw);
    if ((expected && zero != expected) || (raw.type == platform::kVtNull && zero != false)) {
        std::abort();
    }
    return 0;
}
