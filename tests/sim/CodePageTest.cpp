// The simulated desktop's code pages refuse the flags that Windows refuses, so that a conversion
// of the program that passes them fails in the tests as it would on such a Windows.
#include <gtest/gtest.h>

#include "platform/CodePage.h"
#include "sim/desktop/SimCodePage.h"
#include "support/SimDesktopTest.h"

namespace {

namespace codepage = platform::codepage;

struct FlagRule {
    std::uint32_t codePage;
    std::uint32_t flags;
    bool usedDefaultReport;
    bool accepted;
};

class CodePageTest : public testsupport::SimDesktopTest {};

TEST_F(CodePageTest, ConversionsRefuseTheFlagsWindowsRefuses) {
    const FlagRule toAnsi[] = {
        {65001, codepage::kNoBestFitChars, false, false},
        {65001, 0, true, false},
        {65001, codepage::kErrInvalidChars, false, true},
        {65001, 0, false, true},
        {932, codepage::kNoBestFitChars, true, true},
        {1251, codepage::kNoBestFitChars, true, true},
        {1252, codepage::kErrInvalidChars, false, false},
    };
    for (const FlagRule& rule : toAnsi) {
        ASSERT_TRUE(platform::sim::SetAnsiCodePage(rule.codePage));
        bool used = false;
        EXPECT_EQ(
            codepage::WideToAnsi(L"Grüße", rule.flags, rule.usedDefaultReport ? &used : nullptr)
                .has_value(),
            rule.accepted)
            << rule.codePage << " " << rule.flags;
    }
    constexpr std::uint32_t kPrecomposed = 0x01;
    ASSERT_TRUE(platform::sim::SetAnsiCodePage(65001));
    EXPECT_FALSE(codepage::AnsiToWide("x", kPrecomposed).has_value());
    EXPECT_TRUE(codepage::AnsiToWide("x", codepage::kMbErrInvalidChars).has_value());
    ASSERT_TRUE(platform::sim::SetAnsiCodePage(1252));
    EXPECT_TRUE(codepage::AnsiToWide("x", kPrecomposed).has_value());
}

}  // namespace
