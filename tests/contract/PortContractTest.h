// The fixture of every contract test of the port: a fresh environment around each test, and
// tables whose rows are the test's parameters.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "PortEnvironment.h"
#include "WineDifferences.h"

namespace portcontract {

class PortContractTest : public ::testing::Test {
  protected:
    void SetUp() override { Env().Begin(); }
    void TearDown() override { Env().End(); }

    static Environment& Env() { return TheEnvironment(); }

    // Under Wine, for a row that names a known difference: checks that Wine still differs from
    // what the row expects, skips the row with the difference's text and gives true; the test
    // then returns. Otherwise false, and the row holds.
    template <typename Value>
    static bool WineDiffersAsKnown(WineDifference difference, const Value& got,
                                   const Value& expected) {
        if (!Env().RunsUnderWine() || !ShowsUnderWine(difference)) {
            return false;
        }
        EXPECT_NE(got, expected) << "Wine follows Windows here now: drop the known difference";
        [difference] { GTEST_SKIP() << "Known Wine difference: " << Describe(difference); }();
        return true;
    }
};

// A table's rows as the test's parameters; each row has a name.
template <typename Row>
class PortContractTable : public PortContractTest, public ::testing::WithParamInterface<Row> {};

struct RowName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        return info.param.name;
    }
};

// Bytes from a literal that may hold NULs: Bytes("abc\0") is a, b, c and the NUL.
template <std::size_t N>
std::vector<std::uint8_t> Bytes(const char (&literal)[N]) {
    return std::vector<std::uint8_t>(literal, literal + N - 1);
}

inline std::string AsString(const std::vector<std::uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace portcontract
