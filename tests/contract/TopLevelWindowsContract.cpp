// The window functions of the port: which top-level windows the enumeration visits, and what the
// ANSI window functions tell of them (visibility, class name, caption, lengths, short buffers).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "PortContractTest.h"
#include "platform/TopLevelWindows.h"

namespace portcontract {
namespace {

using platform::EnumWindows;
using platform::GetClassNameA;
using platform::GetWindowTextA;
using platform::GetWindowTextLengthA;
using platform::IsWindow;
using platform::IsWindowVisible;

std::vector<Handle32>& Visited() {
    static std::vector<Handle32> visited;
    return visited;
}

std::int32_t CollectAll(Handle32 window, std::int32_t /*lParam*/) {
    Visited().push_back(window);
    return 1;
}

std::vector<Handle32> AllTopLevelWindows() {
    Visited().clear();
    EXPECT_NE(EnumWindows(CollectAll, 0), 0);
    return Visited();
}

std::string ClassOf(Handle32 window, std::int32_t& length) {
    std::string buffer(256, '#');
    length = GetClassNameA(window, buffer.data(), 256);
    return buffer.substr(0, buffer.find('\0'));
}

std::string CaptionOf(Handle32 window, std::int32_t& length) {
    std::string buffer(256, '#');
    length = GetWindowTextA(window, buffer.data(), 256);
    return buffer.substr(0, buffer.find('\0'));
}

// A window of the row's class, caption and state; the ANSI texts are those of code page 1252.
struct WindowRow {
    const char* name;
    const wchar_t* className;
    const wchar_t* caption;
    WindowState state;
    bool destroyed;
    bool visible;
    const char* ansiClass;
    const char* ansiCaption;
};

const WindowRow kWindowRows[] = {
    {"Visible", L"QhKontraktFenster", L"Kontakte - ACT!", WindowState::Visible, false, true,
     "QhKontraktFenster", "Kontakte - ACT!"},
    // The enumeration visits hidden top-level windows too; IsWindowVisible tells them apart.
    {"Hidden", L"QhKontraktFenster", L"Versteckt", WindowState::Hidden, false, false,
     "QhKontraktFenster", "Versteckt"},
    {"MinimisedIsVisible", L"QhKontraktFenster", L"Klein", WindowState::Minimised, false, true,
     "QhKontraktFenster", "Klein"},
    {"EmptyCaption", L"QhKontraktFenster", L"", WindowState::Visible, false, true,
     "QhKontraktFenster", ""},
    // The system hands texts out in its own conversion, with the code page's best-fit
    // look-alikes: "Ω" becomes "O", not the default character.
    {"CaptionOutsideAscii", L"QhKontraktFenster", L"Größe Ω", WindowState::Visible, false, true,
     "QhKontraktFenster",
     "Gr\xF6\xDF"
     "e O"},
    {"ClassOutsideAscii", L"QhKontraktKlässe", L"Titel", WindowState::Visible, false, true,
     "QhKontraktKl\xE4sse", "Titel"},
    {"Destroyed", L"QhKontraktFenster", L"Weg", WindowState::Visible, true, false, "", ""},
};

using PortContractTopLevelWindow = PortContractTable<WindowRow>;

TEST_P(PortContractTopLevelWindow, IsEnumeratedAndDescribed) {
    const WindowRow& row = GetParam();
    Env().UseCodePage(1252);
    Handle32 window = Env().MakeWindow(row.className, row.caption, row.state);
    ASSERT_NE(window, 0);
    if (row.destroyed) {
        Env().DestroyWindow(window);
    }
    std::vector<Handle32> all = AllTopLevelWindows();
    EXPECT_EQ(std::count(all.begin(), all.end(), window), row.destroyed ? 0 : 1);
    EXPECT_EQ(IsWindow(window), row.destroyed ? 0 : 1);
    EXPECT_EQ(IsWindowVisible(window), row.visible ? 1 : 0);
    std::int32_t classLength = -1;
    std::string className = ClassOf(window, classLength);
    EXPECT_EQ(classLength, static_cast<std::int32_t>(std::string(row.ansiClass).size()));
    if (!row.destroyed) {
        EXPECT_EQ(className, row.ansiClass);
    }
    std::int32_t captionLength = -1;
    EXPECT_EQ(CaptionOf(window, captionLength), row.ansiCaption);
    EXPECT_EQ(captionLength, static_cast<std::int32_t>(std::string(row.ansiCaption).size()));
    EXPECT_EQ(GetWindowTextLengthA(window), captionLength);
}

INSTANTIATE_TEST_SUITE_P(Rows, PortContractTopLevelWindow, ::testing::ValuesIn(kWindowRows),
                         RowName());

TEST_F(PortContractTest, NoWindowIsNoWindow) {
    EXPECT_EQ(IsWindow(0), 0);
    EXPECT_EQ(IsWindowVisible(0), 0);
    EXPECT_EQ(GetWindowTextLengthA(0), 0);
}

// GetClassNameA and GetWindowTextA with buffers around the text's length: the class
// "QhPuffer" (8 characters) and the caption "Titel" (5).
enum class WindowText { ClassName, Caption };

struct BufferRow {
    const char* name;
    WindowText text;
    std::int32_t maxCount;
    std::int32_t copied;
    const char* buffer;  // what the buffer holds afterwards, up to its first NUL
};

const BufferRow kBufferRows[] = {
    {"ClassExactFit", WindowText::ClassName, 9, 8, "QhPuffer"},
    {"ClassOneShort", WindowText::ClassName, 8, 7, "QhPuffe"},
    {"ClassRoomForNulOnly", WindowText::ClassName, 1, 0, ""},
    {"ClassNoBuffer", WindowText::ClassName, 0, 0, "########"},
    {"CaptionExactFit", WindowText::Caption, 6, 5, "Titel"},
    {"CaptionOneShort", WindowText::Caption, 5, 4, "Tite"},
    {"CaptionRoomForNulOnly", WindowText::Caption, 1, 0, ""},
    {"CaptionNoBuffer", WindowText::Caption, 0, 0, "########"},
};

using PortContractWindowTextBuffer = PortContractTable<BufferRow>;

TEST_P(PortContractWindowTextBuffer, CopiesWhatFitsWithItsNul) {
    const BufferRow& row = GetParam();
    Handle32 window = Env().MakeWindow(L"QhPuffer", L"Titel", WindowState::Visible);
    std::string buffer(8, '#');
    buffer.push_back('\0');
    std::int32_t copied = row.text == WindowText::ClassName
                              ? GetClassNameA(window, buffer.data(), row.maxCount)
                              : GetWindowTextA(window, buffer.data(), row.maxCount);
    EXPECT_EQ(copied, row.copied);
    EXPECT_EQ(buffer.substr(0, buffer.find('\0')), row.buffer);
}

INSTANTIATE_TEST_SUITE_P(Rows, PortContractWindowTextBuffer, ::testing::ValuesIn(kBufferRows),
                         RowName());

// EnumWindows with a callback that goes on, stops at the first window, or throws there.
enum class Callback { GoesOn, StopsAtFirst, ThrowsAtFirst };

struct ThrownByCallback {};

struct EnumRow {
    const char* name;
    Callback callback;
    bool throws;
    bool visitsOne;
};

const EnumRow kEnumRows[] = {
    {"RunsToTheEnd", Callback::GoesOn, false, false},
    {"StoppedByTheCallback", Callback::StopsAtFirst, false, true},
    {"FailureOfTheCallbackPassesOn", Callback::ThrowsAtFirst, true, true},
};

Callback& CurrentCallback() {
    static Callback callback = Callback::GoesOn;
    return callback;
}

std::int32_t RowCallback(Handle32 window, std::int32_t lParam) {
    EXPECT_EQ(lParam, 0x5EED);
    Visited().push_back(window);
    if (CurrentCallback() == Callback::ThrowsAtFirst) {
        throw ThrownByCallback();
    }
    return CurrentCallback() == Callback::GoesOn ? 1 : 0;
}

using PortContractEnumWindows = PortContractTable<EnumRow>;

TEST_P(PortContractEnumWindows, CallsBackUntilTold) {
    const EnumRow& row = GetParam();
    Handle32 first = Env().MakeWindow(L"QhKontraktFenster", L"Eins", WindowState::Visible);
    Handle32 second = Env().MakeWindow(L"QhKontraktFenster", L"Zwei", WindowState::Hidden);
    CurrentCallback() = row.callback;
    Visited().clear();
    std::int32_t result = 0;
    bool threw = false;
    try {
        result = EnumWindows(RowCallback, 0x5EED);
    } catch (const ThrownByCallback&) {
        threw = true;
    }
    EXPECT_EQ(threw, row.throws);
    if (!row.throws) {
        EXPECT_NE(result, 0);
    }
    if (row.visitsOne) {
        EXPECT_EQ(Visited().size(), 1u);
    } else {
        EXPECT_EQ(std::count(Visited().begin(), Visited().end(), first), 1);
        EXPECT_EQ(std::count(Visited().begin(), Visited().end(), second), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, PortContractEnumWindows, ::testing::ValuesIn(kEnumRows), RowName());

}  // namespace
}  // namespace portcontract
