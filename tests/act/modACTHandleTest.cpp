// The search for a visible top-level window by class name and caption.
#include <gtest/gtest.h>

#include "act/modACTHandle.h"
#include "support/SimDesktopTest.h"

namespace {

using platform::Handle32;
using platform::Text;
namespace sim = platform::sim;

constexpr const wchar_t* kActClass = L"ACT3.0FrameClass";

class ModACTHandleTest : public testsupport::SimDesktopTest {
  protected:
    Handle32 Find(const Text& title) {
        return modACTHandle::FindTopLevelWindow(L"act3.0frameclass", title);
    }
};

TEST_F(ModACTHandleTest, HiddenWindowIsNotFound) {
    sim::AddWindow(kActClass, L"ACT! - Kundenmanager", /*visible=*/false);
    EXPECT_EQ(Find(L"ACT"), 0);
    EXPECT_EQ(Find(L"*"), 0);
}

TEST_F(ModACTHandleTest, MinimisedVisibleWindowIsFound) {
    Handle32 window = sim::AddWindow(kActClass, L"ACT! - Kundenmanager", true, /*minimised=*/true);
    EXPECT_EQ(Find(L"Kundenmanager"), window);
}

TEST_F(ModACTHandleTest, CaptionTestIsCaseSensitive) {
    sim::AddWindow(kActClass, L"Contact manager - act");
    EXPECT_EQ(Find(L"ACT"), 0);
    Handle32 capitals = sim::AddWindow(kActClass, L"xxACTyy");
    EXPECT_EQ(Find(L"ACT"), capitals);
}

TEST_F(ModACTHandleTest, ClassIsComparedInLowerCaseSoAnUpperCaseSearchFindsNothing) {
    sim::AddWindow(kActClass, L"ACT!");
    EXPECT_EQ(modACTHandle::FindTopLevelWindow(L"ACT3.0FrameClass", L"*"), 0);
    EXPECT_NE(modACTHandle::FindTopLevelWindow(L"3.0frame", L"*"), 0);
}

TEST_F(ModACTHandleTest, OtherClassIsNotFound) {
    sim::AddWindow(L"Notepad", L"ACT! - Kundenmanager");
    EXPECT_EQ(Find(L"ACT"), 0);
}

TEST_F(ModACTHandleTest, ActEndingAtTheFiftiethCharacterIsFound) {
    Handle32 window = sim::AddWindow(kActClass, Text(47, L'x') + L"ACT");
    EXPECT_EQ(Find(L"ACT"), window);
}

TEST_F(ModACTHandleTest, ActReachingPastTheFiftiethCharacterIsNotFound) {
    sim::AddWindow(kActClass, Text(48, L'x') + L"ACT");
    EXPECT_EQ(Find(L"ACT"), 0);
}

TEST_F(ModACTHandleTest, FiftyCharactersAreCountedAfterLeadingSpaces) {
    Handle32 window = sim::AddWindow(kActClass, L"      " + Text(47, L'x') + L"ACT");
    EXPECT_EQ(Find(L"ACT"), window);
    EXPECT_EQ(modACTHandle::GetWindowCaption(window), Text(47, L'x') + L"ACT");
}

TEST_F(ModACTHandleTest, EmptyCaptionReadsNoTextAndMatchesOnlyTheStar) {
    Handle32 window = sim::AddWindow(kActClass, L"");
    EXPECT_EQ(modACTHandle::GetWindowCaption(window), L"NoText");
    EXPECT_EQ(Find(L"ACT"), 0);
    EXPECT_EQ(Find(L"*"), window);
}

TEST_F(ModACTHandleTest, StarMatchesAnyCaptionButOnlyTheStarItself) {
    Handle32 window = sim::AddWindow(kActClass, L"Irgendwas");
    EXPECT_EQ(Find(L"*"), window);
    EXPECT_EQ(Find(L"**"), 0);
}

TEST_F(ModACTHandleTest, LastMatchInEnumerationOrderWins) {
    sim::AddWindow(kActClass, L"ACT! eins");
    sim::AddWindow(L"Other", L"ACT! dazwischen");
    Handle32 second = sim::AddWindow(kActClass, L"ACT! zwei");
    sim::AddWindow(kActClass, L"ACT! versteckt", false);
    EXPECT_EQ(Find(L"ACT"), second);
    EXPECT_EQ(modACTHandle::lngFoundhWnd, second);
}

TEST_F(ModACTHandleTest, SearchLeavesItsValuesInTheModuleVariables) {
    Find(L"Kundenmanager");
    EXPECT_EQ(modACTHandle::strSearchClass, L"act3.0frameclass");
    EXPECT_EQ(modACTHandle::strSearchTitle, L"Kundenmanager");
    EXPECT_EQ(modACTHandle::lngFoundhWnd, 0);
}

TEST_F(ModACTHandleTest, EachSearchStartsWithoutTheLastResult) {
    sim::AddWindow(kActClass, L"ACT!");
    EXPECT_NE(Find(L"ACT"), 0);
    EXPECT_EQ(Find(L"Kundenmanager"), 0);
}

TEST_F(ModACTHandleTest, WindowVanishingDuringTheEnumerationDoesNotMatch) {
    Handle32 first = sim::AddWindow(kActClass, L"ACT! eins");
    Handle32 second = sim::AddWindow(kActClass, L"ACT! zwei");
    sim::Windows().afterVisit = [first, second](Handle32 visited) {
        if (visited == first) {
            sim::RemoveWindow(second);
        }
    };
    EXPECT_EQ(Find(L"ACT"), first);
}

TEST_F(ModACTHandleTest, HandleWithTheHighBitKeepsItsValue) {
    sim::SimWindow window;
    window.handle = static_cast<Handle32>(0x80001230u);
    window.className = kActClass;
    window.caption = L"ACT!";
    sim::AddWindowWithHandle(window);
    EXPECT_EQ(Find(L"ACT"), static_cast<Handle32>(0x80001230u));
}

TEST_F(ModACTHandleTest, EnumWindowsProcGoesOnForMatchesAndMisses) {
    Handle32 match = sim::AddWindow(kActClass, L"ACT!");
    Handle32 miss = sim::AddWindow(L"Other", L"x", false);
    modACTHandle::strSearchClass = L"act3.0frameclass";
    modACTHandle::strSearchTitle = L"ACT";
    modACTHandle::lngFoundhWnd = 0;
    EXPECT_EQ(modACTHandle::EnumWindowsProc(miss, 0), 1);
    EXPECT_EQ(modACTHandle::lngFoundhWnd, 0);
    EXPECT_EQ(modACTHandle::EnumWindowsProc(match, 0), 1);
    EXPECT_EQ(modACTHandle::lngFoundhWnd, match);
}

TEST_F(ModACTHandleTest, CaptionIsCutAtItsFirstNul) {
    Handle32 window = sim::AddWindow(kActClass, Text(L"Kunden\0ACT", 10));
    EXPECT_EQ(modACTHandle::GetWindowCaption(window), L"Kunden");
    EXPECT_EQ(Find(L"ACT"), 0);
}

TEST_F(ModACTHandleTest, CaptionOfSpacesOnlyIsEmpty) {
    Handle32 window = sim::AddWindow(kActClass, L"    ");
    EXPECT_EQ(modACTHandle::GetWindowCaption(window), L"");
}

TEST_F(ModACTHandleTest, CaptionGoesThroughTheAnsiCodePage) {
    // Outside 1252, Ω comes out as the code page's best-fit look-alike, as Windows hands it out.
    Handle32 window = sim::AddWindow(kActClass, L"Kündenmanager \u03A9");
    EXPECT_EQ(modACTHandle::GetWindowCaption(window), L"Kündenmanager O");
}

TEST_F(ModACTHandleTest, CaptionAndClassOfNoWindowAreEmpty) {
    EXPECT_EQ(modACTHandle::GetWindowCaption(0x4242), L"");
    EXPECT_EQ(modACTHandle::GetWindowClass(0x4242), L"");
}

TEST_F(ModACTHandleTest, ClassIsLowerCasedAndLimitedTo255Characters) {
    Handle32 window = sim::AddWindow(Text(300, L'Q'), L"x");
    EXPECT_EQ(modACTHandle::GetWindowClass(window), Text(255, L'q'));
    Handle32 umlaut = sim::AddWindow(L"ÄCT3.0FrameClass", L"x");
    EXPECT_EQ(modACTHandle::GetWindowClass(umlaut), L"äct3.0frameclass");
}

}  // namespace
