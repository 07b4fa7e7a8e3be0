// What a result of an automation server becomes in the program: the conversion of a VARIANT of
// any type, and the program's conversions of the value onward to text, numbers and the
// comparison with 0.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/core/Failure.h"
#include "platform/core/RawVariant.h"
#include "support/FailureNumber.h"

namespace {

using platform::RawVariant;
using platform::Text;
using platform::Variant;
using testsupport::FailureNumberOf;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct Conversion {
    const char* what;
    RawVariant raw;
    Variant expected;      // when nothing is raised
    std::int32_t failure;  // the failure raised, 0 for none
};

RawVariant Whole(std::uint16_t type, std::int64_t value) {
    return RawVariant::Integer(type, value);
}

RawVariant Real(std::uint16_t type, double value) {
    return RawVariant::Real(type, value);
}

Conversion Gives(const char* what, RawVariant raw, Variant expected) {
    return {what, std::move(raw), std::move(expected), 0};
}

Conversion Raises(const char* what, RawVariant raw, std::int32_t failure) {
    return {what, std::move(raw), platform::Empty(), failure};
}

TEST(FromRawVariant, GivesEachTypeItsFormOrTheConversionsFailure) {
    using namespace platform;
    const Conversion table[] = {
        Gives("EMPTY", RawVariant::OfType(kVtEmpty), Empty()),
        Gives("NULL", RawVariant::OfType(kVtNull), Null()),
        Gives("BOOL true", Whole(kVtBool, -1), std::int16_t{-1}),
        Gives("BOOL 1 is true", Whole(kVtBool, 1), std::int16_t{-1}),
        Gives("BOOL false", Whole(kVtBool, 0), std::int16_t{0}),
        Gives("I1", Whole(kVtI1, -5), std::int32_t{-5}),
        Gives("UI1", Whole(kVtUi1, 200), std::int32_t{200}),
        Gives("I2", Whole(kVtI2, -2), std::int16_t{-2}),
        Gives("UI2", Whole(kVtUi2, 65535), std::int32_t{65535}),
        Gives("I4", Whole(kVtI4, -2147483647 - 1), std::int32_t{-2147483647 - 1}),
        Gives("INT", Whole(kVtInt, 7), std::int32_t{7}),
        Gives("UI4 within 31 bits", Whole(kVtUi4, 2147483647), std::int32_t{2147483647}),
        Gives("UI4 above 2^31", Whole(kVtUi4, 3000000000), Text(L"3000000000")),
        Gives("UINT above 2^31", Whole(kVtUint, 4294967295), Text(L"4294967295")),
        Gives("I8 small", Whole(kVtI8, -12), std::int32_t{-12}),
        Gives("I8 large", Whole(kVtI8, -9007199254740993), Text(L"-9007199254740993")),
        Gives("UI8 largest", Whole(kVtUi8, -1), Text(L"18446744073709551615")),
        Gives("R4 fraction", Real(kVtR4, 0.4), Text(L"0.4")),
        Gives("R8 fraction", Real(kVtR8, 0.4), Text(L"0.4")),
        Gives("R8 whole", Real(kVtR8, 6), Text(L"6")),
        Gives("R8 huge", Real(kVtR8, 1e300), Text(L"1E+300")),
        Gives("R8 tiny", Real(kVtR8, 5e-324), Text(L"5E-324")),
        Gives("R8 negative zero", Real(kVtR8, -0.0), Text(L"-0")),
        Raises("R8 NaN", Real(kVtR8, kNaN), kOverflow),
        Raises("R8 infinite", Real(kVtR8, -kInfinity), kOverflow),
        Raises("R4 infinite", Real(kVtR4, kInfinity), kOverflow),
        Gives("CY", Whole(kVtCy, 125000), Text(L"12.5")),
        Gives("CY below 1", Whole(kVtCy, 5000), Text(L"0.5")),
        Gives("CY smallest step", Whole(kVtCy, -1), Text(L"-0.0001")),
        Gives("CY lowest", Whole(kVtCy, std::numeric_limits<std::int64_t>::min()),
              Text(L"-922337203685477.5808")),
        Gives("DECIMAL", RawVariant::Decimal(true, 2, 0, 150), Text(L"-1.5")),
        Gives("DECIMAL below 1", RawVariant::Decimal(false, 2, 0, 25), Text(L"0.25")),
        Gives("DECIMAL largest", RawVariant::Decimal(false, 0, 0xFFFFFFFF, ~0ULL),
              Text(L"79228162514264337593543950335")),
        Gives("DECIMAL smallest step", RawVariant::Decimal(false, 28, 0, 1),
              Text(L"0.0000000000000000000000000001")),
        Gives("DECIMAL negative zero", RawVariant::Decimal(true, 3, 0, 0), Text(L"0")),
        Raises("DECIMAL scale 29", RawVariant::Decimal(false, 29, 0, 1), kTypeMismatch),
        Gives("DATE day zero", Real(kVtDate, 0), Text(L"1899-12-30")),
        Gives("DATE with time", Real(kVtDate, 45000.5), Text(L"2023-03-15 12:00:00")),
        Gives("DATE in February", Real(kVtDate, 45351), Text(L"2024-02-29")),
        Gives("DATE before day zero", Real(kVtDate, -1.25), Text(L"1899-12-29 06:00:00")),
        Gives("DATE first day", Real(kVtDate, -657434), Text(L"0100-01-01")),
        Gives("DATE noon of the first day", Real(kVtDate, -657434.5), Text(L"0100-01-01 12:00:00")),
        Gives("DATE last second", Real(kVtDate, 2958465.99998), Text(L"9999-12-31 23:59:58")),
        Raises("DATE rounded past the last day", Real(kVtDate, 2958465.999999999), kOverflow),
        Raises("DATE before the first day", Real(kVtDate, -657435), kOverflow),
        Raises("DATE NaN", Real(kVtDate, kNaN), kOverflow),
        Raises("ERROR", Whole(kVtError, 0x80020004), kTypeMismatch),
        Gives("BSTR with NUL", RawVariant::String(Text(L"a\0b", 3)), Text(L"a\0b", 3)),
        Gives("BSTR empty", RawVariant::String(Text()), Text()),
        Gives("DISPATCH null", RawVariant::OfType(kVtDispatch), ObjectRef()),
        Gives("ARRAY of UI1", RawVariant::OfType(kVtArray | kVtUi1), ByteArray()),
        Raises("ARRAY of I4", RawVariant::OfType(kVtArray | kVtI4), kTypeMismatch),
        Raises("VARIANT alone", RawVariant::OfType(kVtVariant), kTypeMismatch),
        Raises("unknown type", RawVariant::OfType(0x0FFF), kTypeMismatch),
    };
    for (const Conversion& row : table) {
        Variant value;
        std::int32_t failure = FailureNumberOf([&] { value = platform::FromRawVariant(row.raw); });
        EXPECT_EQ(failure, row.failure) << row.what;
        if (row.failure == 0) {
            EXPECT_EQ(value, row.expected) << row.what;
        }
    }
}

struct Onward {
    Variant value;
    const wchar_t* text;  // nullptr: raises `failure`
    std::int32_t number;  // as a 32-bit integer, valid when numberFailure is 0
    std::int32_t numberFailure;
    int equalsZero;  // 1, 0, or -1 for a failure
    std::int32_t failure;
};

TEST(VariantConversions, NullIsNeitherTextNorNumberAndFractionsAreNotZero) {
    using platform::kInvalidUseOfNull;
    using platform::kOverflow;
    using platform::kTypeMismatch;
    const Onward table[] = {
        {platform::Empty(), L"", 0, 0, 1, 0},
        {platform::Null(), nullptr, 0, kInvalidUseOfNull, 0, kInvalidUseOfNull},
        {Text(L"0.4"), L"0.4", 0, 0, 0, 0},
        {Text(L"0.06"), L"0.06", 0, 0, 0, 0},
        {Text(L"-0"), L"-0", 0, 0, 1, 0},
        {Text(L"1E-300"), L"1E-300", 0, 0, 0, 0},
        {Text(L"0.0000000000000000000000000001"), L"0.0000000000000000000000000001", 0, 0, 0, 0},
        {Text(L"3000000000"), L"3000000000", 0, kOverflow, 0, 0},
        {Text(L"2.5"), L"2.5", 2, 0, 0, 0},
        {Text(L"2023-03-15"), L"2023-03-15", 0, kTypeMismatch, -1, kTypeMismatch},
        {std::int16_t{-1}, L"-1", -1, 0, 0, 0},
        {std::int32_t{0}, L"0", 0, 0, 1, 0},
    };
    for (const Onward& row : table) {
        std::string label = ::testing::PrintToString(row.value.index());
        if (const auto* text = std::get_if<Text>(&row.value)) {
            label += " " + ::testing::PrintToString(*text);
        }
        Text text;
        std::int32_t failure = FailureNumberOf([&] { text = platform::VariantToText(row.value); });
        if (row.text == nullptr) {
            EXPECT_EQ(failure, row.failure) << label;
        } else {
            EXPECT_EQ(failure, 0) << label;
            EXPECT_EQ(text, row.text) << label;
        }
        std::int32_t number = 0;
        EXPECT_EQ(FailureNumberOf([&] { number = platform::VariantToLong(row.value); }),
                  row.numberFailure)
            << label;
        if (row.numberFailure == 0) {
            EXPECT_EQ(number, row.number) << label;
        }
        bool zero = false;
        failure = FailureNumberOf([&] { zero = platform::VariantEqualsZero(row.value); });
        EXPECT_EQ(failure, row.equalsZero < 0 ? row.failure : 0) << label;
        if (row.equalsZero >= 0) {
            EXPECT_EQ(zero, row.equalsZero == 1) << label;
        }
    }
    EXPECT_EQ(FailureNumberOf([] { platform::VariantToObject(platform::Null()); }),
              kInvalidUseOfNull);
}

}  // namespace
