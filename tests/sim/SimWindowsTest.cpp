// The simulated top-level windows as the ANSI window functions give them.
#include <gtest/gtest.h>

#include <vector>

#include "platform/TopLevelWindows.h"
#include "support/SimDesktopTest.h"

namespace {

using platform::Handle32;
namespace sim = platform::sim;

std::vector<Handle32>& Visited() {
    static std::vector<Handle32> visited;
    return visited;
}

std::int32_t Collect(Handle32 hWnd, std::int32_t lParam) {
    Visited().push_back(hWnd);
    return static_cast<std::int32_t>(Visited().size()) < lParam ? 1 : 0;
}

class SimWindowsTest : public testsupport::SimDesktopTest {
  protected:
    void SetUp() override {
        SimDesktopTest::SetUp();
        Visited().clear();
    }
};

TEST_F(SimWindowsTest, EnumerationVisitsWindowsInOrderUntilTheCallbackStops) {
    Handle32 a = sim::AddWindow(L"A", L"a");
    Handle32 b = sim::AddWindow(L"B", L"b", false);
    sim::AddWindow(L"C", L"c");
    EXPECT_NE(platform::EnumWindows(Collect, 2), 0);
    EXPECT_EQ(Visited(), (std::vector<Handle32>{a, b}));
}

TEST_F(SimWindowsTest, WindowRemovedDuringTheEnumerationIsVisitedAsNoWindow) {
    Handle32 a = sim::AddWindow(L"A", L"a");
    Handle32 b = sim::AddWindow(L"B", L"b");
    sim::Windows().afterVisit = [b](Handle32) { sim::RemoveWindow(b); };
    EXPECT_NE(platform::EnumWindows(Collect, 10), 0);
    EXPECT_EQ(Visited(), (std::vector<Handle32>{a, b}));
    EXPECT_EQ(platform::IsWindow(b), 0);
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(platform::GetClassNameA(b, buffer, sizeof buffer), 0);
    EXPECT_EQ(platform::GetWindowTextLengthA(b), 0);
}

TEST_F(SimWindowsTest, TextsAreCutToTheBufferAndEndWithNul) {
    Handle32 window = sim::AddWindow(L"Klasse", L"Überschrift");
    char buffer[6] = "zzzzz";
    EXPECT_EQ(platform::GetWindowTextA(window, buffer, 5), 4);
    EXPECT_EQ(std::string(buffer),
              "\xDC"
              "ber");
    EXPECT_EQ(platform::GetWindowTextLengthA(window), 11);
    EXPECT_EQ(platform::GetClassNameA(window, buffer, 1), 0);
    EXPECT_EQ(buffer[0], '\0');
}

TEST_F(SimWindowsTest, WindowThatNoLongerExistsIsNotEnumerated) {
    Handle32 gone = sim::AddWindow(L"A", L"a");
    sim::FindWindow(gone)->exists = false;
    EXPECT_NE(platform::EnumWindows(Collect, 10), 0);
    EXPECT_TRUE(Visited().empty());
}

}  // namespace
