// TakeRunLock and ReturnRunLock: one run at a time; a lock that another run gives back or left
// behind when it ended is taken without a question.
#include <gtest/gtest.h>

#include "PortContractTest.h"
#include "platform/Waiting.h"

namespace portcontract {
namespace {

constexpr std::uint32_t kLimitMs = 20000;  // no question is asked within it
constexpr std::uint32_t kOtherRunMs = 300;

enum class OtherRun { None, GivesBackSoon, EndedHoldingIt };

struct RunLockRow {
    const char* name;
    OtherRun other;
    std::uint32_t waitsAtLeastMs;
};

const RunLockRow kRunLockRows[] = {
    {"Free", OtherRun::None, 0},
    {"HeldByAnotherRunUntilItGivesItBack", OtherRun::GivesBackSoon, kOtherRunMs / 2},
    {"LeftBehindByARunThatEnded", OtherRun::EndedHoldingIt, 0},
};

using PortContractRunLock = PortContractTable<RunLockRow>;

TEST_P(PortContractRunLock, OneRunAtATime) {
    const RunLockRow& row = GetParam();
    if (row.other == OtherRun::GivesBackSoon) {
        Env().HoldRunLockFor(kOtherRunMs);
    } else if (row.other == OtherRun::EndedHoldingIt) {
        Env().AbandonRunLock();
    }
    platform::WaitPrompt prompt{L"Quendelhof", L"Weiter warten?", L"Abbruch", 9};
    std::uint32_t start = platform::TickCount();
    platform::TakeRunLock(prompt, kLimitMs);
    std::uint32_t waited = platform::TickCount() - start;
    EXPECT_GE(waited, row.waitsAtLeastMs);
    EXPECT_LT(waited, kLimitMs);
    EXPECT_FALSE(Env().RunLockFree()) << "this run holds the lock";
    platform::ReturnRunLock();
    EXPECT_TRUE(Env().RunLockFree());
    platform::ReturnRunLock();  // giving it back once more is harmless
    EXPECT_TRUE(Env().RunLockFree());
}

INSTANTIATE_TEST_SUITE_P(Rows, PortContractRunLock, ::testing::ValuesIn(kRunLockRows), RowName());

}  // namespace
}  // namespace portcontract
