// The tools themselves: the robot must see icons, buttons and texts as they are, press what the
// script says, and never hang on a box nobody expected; the launcher must pass its command line
// unchanged and end a program that overruns its time limit.
#include <gtest/gtest.h>
#include <windows.h>

#include "ScenarioTest.h"
#include "tools/ClipboardText.h"
#include "tools/Launcher.h"
#include "tools/TimeFactor.h"

namespace winetest {
namespace {

class RobotTest : public ScenarioTest {
  protected:
    RunResult ShowBox(UINT style, const std::wstring& text, std::vector<Button> script,
                      const std::wstring& paintDelay = L"") {
        wchar_t styleText[16];
        wsprintfW(styleText, L"%x", style);
        return RunRaw(ShowBoxExe(),
                      L"\"" + ShowBoxExe() + L"\" " + styleText + L" \"Prüfung\" \"" + text +
                          L"\" " + paintDelay,
                      std::move(script));
    }
};

struct IconCase {
    UINT style;
    BoxIcon icon;
    const char* name;
};

class RobotIconTest : public RobotTest, public ::testing::WithParamInterface<IconCase> {};

TEST_P(RobotIconTest, TellsTheStandardIconsApart) {
    RunResult run = ShowBox(MB_OK | GetParam().style, L"Symbol", {Button::Ok});
    ExpectRun(run, IDOK, {{L"Symbol", GetParam().icon, {Button::Ok}, L"Prüfung"}});
}

INSTANTIATE_TEST_SUITE_P(
    Icons, RobotIconTest,
    ::testing::Values(IconCase{0, BoxIcon::None, "None"},
                      IconCase{MB_ICONINFORMATION, BoxIcon::Information, "Information"},
                      IconCase{MB_ICONQUESTION, BoxIcon::Question, "Question"},
                      IconCase{MB_ICONEXCLAMATION, BoxIcon::Exclamation, "Exclamation"},
                      IconCase{MB_ICONERROR, BoxIcon::Error, "Error"}),
    [](const ::testing::TestParamInfo<IconCase>& info) { return std::string(info.param.name); });

// A box that is shown but paints its icon only seconds later, as a busy program's may: the
// robot reads the icon once it is painted, not the empty place before.
TEST_F(RobotTest, ReadsAnIconPaintedLate) {
    RunResult run =
        ShowBox(MB_OK | MB_ICONERROR, L"Spät", {Button::Ok}, std::to_wstring(Scaled(2500)));
    ExpectRun(run, IDOK, {{L"Spät", BoxIcon::Error, {Button::Ok}, L"Prüfung"}});
}

TEST_F(RobotTest, PressesTheButtonTheScriptNames) {
    RunResult no = ShowBox(MB_YESNO | MB_ICONQUESTION, L"Nochmal?", {Button::No});
    ExpectRun(no, IDNO, {{L"Nochmal?", BoxIcon::Question, {Button::Yes, Button::No}, L"Prüfung"}});
    RunResult yes = ShowBox(MB_YESNO | MB_ICONQUESTION, L"Nochmal?", {Button::Yes});
    ExpectRun(yes, IDYES,
              {{L"Nochmal?", BoxIcon::Question, {Button::Yes, Button::No}, L"Prüfung"}});
}

TEST_F(RobotTest, ReadsUmlautsAndLineBreaks) {
    RunResult run = ShowBox(MB_OK, L"Grüße aus Köln\r\nÄußerst schön: ß €", {Button::Ok});
    ExpectRun(run, IDOK,
              {{L"Grüße aus Köln\r\nÄußerst schön: ß €", BoxIcon::None, {Button::Ok}, L"Prüfung"}});
}

TEST_F(RobotTest, ClosesAnUnexpectedBoxAndReportsIt) {
    RunResult run = ShowBox(MB_YESNO, L"Unerwartet", {});
    EXPECT_FALSE(run.timedOut);
    EXPECT_FALSE(run.scriptFulfilled);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_FALSE(run.boxes[0].expected);
    EXPECT_EQ(run.exitCode, static_cast<DWORD>(IDNO));
}

TEST_F(RobotTest, ReportsAScriptButtonTheBoxDoesNotOffer) {
    RunResult run = ShowBox(MB_OK, L"Nur OK", {Button::Yes});
    EXPECT_FALSE(run.timedOut);
    EXPECT_FALSE(run.scriptFulfilled);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_FALSE(run.boxes[0].problem.empty());
    EXPECT_EQ(run.exitCode, static_cast<DWORD>(IDOK));
}

TEST_F(RobotTest, ReportsScriptStepsNoBoxUsed) {
    RunResult run = ShowBox(MB_OK, L"Eine", {Button::Ok, Button::Ok});
    EXPECT_FALSE(run.scriptFulfilled);
    EXPECT_EQ(run.boxes.size(), 1u);
}

TEST_F(RobotTest, LauncherPassesTheCommandLineUnchanged) {
    std::wstring line = L"\"" + ShowBoxExe() + L"\" echo  \"a b\"  c\" ,\"d\"  ";
    RunResult run = RunRaw(ShowBoxExe(), line, {Button::Ok});
    ExpectRun(run, 0, {{line, BoxIcon::None, {Button::Ok}, L"echo"}});
}

TEST_F(RobotTest, LauncherEndsAProgramThatOverrunsItsTimeLimit) {
    Launch launch;
    launch.program = ShowBoxExe();
    launch.commandLine = L"\"" + ShowBoxExe() + L"\" wait";
    launch.timeLimitMs = 1000;
    RunResult run = RunProgram(launch);
    ASSERT_TRUE(run.started) << "CreateProcessW failed with error " << run.startError;
    EXPECT_TRUE(run.timedOut);
    EXPECT_LT(run.milliseconds, Scaled(8000));
}

TEST_F(RobotTest, ClipboardTextRoundTrips) {
    ASSERT_TRUE(SetClipboardText(L"Grüße Ω C:\\ACT\\K.dbf"));
    EXPECT_EQ(ReadClipboardText(), std::optional<std::wstring>(L"Grüße Ω C:\\ACT\\K.dbf"));
    ASSERT_TRUE(SetClipboardText(L""));
    EXPECT_EQ(ReadClipboardText(), std::nullopt);
}

}  // namespace
}  // namespace winetest
