// The owning handle: what it gives back, when, and how often, through moves, resets, detaches
// and receives. Handles here are integers; 0 and -1 both stand for none.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/core/UniqueHandle.h"

namespace {

std::vector<int>& Closed() {
    static std::vector<int> closed;
    return closed;
}

void RecordClose(int handle) {
    Closed().push_back(handle);
}

bool IsOpen(int handle) {
    return handle != 0 && handle != -1;
}

using TestHandle = platform::UniqueHandle<int, RecordClose, 0, IsOpen>;
using SingleNoneHandle = platform::UniqueHandle<int, RecordClose, -1>;

struct Case {
    const char* what;
    void (*steps)();
    std::vector<int> closed;  // in the order given back
};

const Case kCases[] = {
    {"a holder gives back what it holds when it goes", [] { TestHandle held(7); }, {7}},
    {"an empty holder gives back nothing", [] { TestHandle none; }, {}},
    {"neither value for none is given back",
     [] {
         TestHandle zero(0);
         TestHandle minusOne(-1);
         EXPECT_FALSE(zero.Valid());
         EXPECT_FALSE(minusOne.Valid());
     },
     {}},
    {"with one value for none, every other is held",
     [] {
         SingleNoneHandle zero(0);
         SingleNoneHandle none;
         EXPECT_TRUE(zero.Valid());
         EXPECT_EQ(none.Get(), -1);
     },
     {0}},
    {"a reset gives back the old handle and holds the new one",
     [] {
         TestHandle held(7);
         held.Reset(8);
         EXPECT_EQ(held.Get(), 8);
     },
     {7, 8}},
    {"a reset to the handle held keeps it, not given back",
     [] {
         TestHandle held(7);
         held.Reset(held.Get());
         EXPECT_EQ(held.Get(), 7);
     },
     {7}},
    {"a reset to nothing gives back at once",
     [] {
         TestHandle held(7);
         held.Reset();
         EXPECT_FALSE(held.Valid());
         Closed().push_back(0);  // marks the end of the scope
     },
     {7, 0}},
    {"a moved handle is given back once, by its new holder",
     [] {
         TestHandle first(7);
         TestHandle second(std::move(first));
         EXPECT_FALSE(first.Valid());
         EXPECT_EQ(second.Get(), 7);
     },
     {7}},
    {"a move assignment gives back the target's own handle first",
     [] {
         TestHandle first(7);
         TestHandle second(8);
         second = std::move(first);
         EXPECT_EQ(Closed(), std::vector<int>{8});
         EXPECT_EQ(second.Get(), 7);
     },
     {8, 7}},
    {"a move assignment to itself keeps the handle",
     [] {
         TestHandle held(7);
         TestHandle& same = held;
         held = std::move(same);
         EXPECT_EQ(held.Get(), 7);
     },
     {7}},
    {"a detached handle is handed over, not given back",
     [] {
         TestHandle held(7);
         EXPECT_EQ(held.Detach(), 7);
         EXPECT_FALSE(held.Valid());
     },
     {}},
    {"a receive gives back what was held and holds what is written",
     [] {
         TestHandle held(7);
         int* place = held.Receive();
         EXPECT_EQ(*place, 0);
         *place = 9;
         EXPECT_EQ(held.Get(), 9);
     },
     {7, 9}},
    {"a receive that gets a value for none holds nothing",
     [] {
         TestHandle held;
         *held.Receive() = -1;
     },
     {}},
};

TEST(UniqueHandle, GivesBackEachHandleOnceAtTheRightTime) {
    for (const Case& testCase : kCases) {
        SCOPED_TRACE(testCase.what);
        Closed().clear();
        testCase.steps();
        EXPECT_EQ(Closed(), testCase.closed);
    }
}

}  // namespace
