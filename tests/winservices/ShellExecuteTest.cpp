// The shell launcher: the calls it hands to the shell, its results, the kept process and the
// error box of each member.
#include <gtest/gtest.h>

#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "support/SimDesktopTest.h"
#include "winservices/clShellExecute.h"

namespace {

using platform::Text;
namespace sim = platform::sim;

constexpr platform::Handle32 kOwner = 0x00020042;

class ShellExecuteTest : public testsupport::SimDesktopTest {
  protected:
    const sim::ShellLaunch& OnlyLaunch() {
        EXPECT_EQ(sim::Shell().launches.size(), 1u);
        return sim::Shell().launches.back();
    }
    void ExpectErrorBox(const Text& title) {
        ASSERT_EQ(Boxes().size(), 1u);
        EXPECT_EQ(Boxes()[0].text, L"Error: 7. Out of memory");
        EXPECT_EQ(Boxes()[0].title, title);
        EXPECT_EQ(Boxes()[0].style, platform::kMbOk);
    }
    void FailNextShellCall() { sim::Shell().failNextCall = platform::StandardFailure(7); }

    clShellExecute shell;
};

TEST_F(ShellExecuteTest, NewInstanceKeepsNothingAndIsNotExecuting) {
    EXPECT_EQ(shell.InstAppOfLastLaunch(), 0);
    EXPECT_EQ(shell.ProcessOfLastLaunch(), 0);
    EXPECT_EQ(shell.StillExecuting(), platform::kFalse);
}

TEST_F(ShellExecuteTest, LaunchProgramFillsTheRecordAsTheShellNeedsIt) {
    Text program = MakeFile("ACT/ACT.EXE");
    platform::Handle32 hwnd = kOwner;
    EXPECT_EQ(shell.LaunchProgram(program, hwnd, Text(L"C:\\Daten\\K.dbf"), Text(L"C:\\ACT"), 3),
              -1);
    const sim::ShellLaunch& launch = OnlyLaunch();
    EXPECT_EQ(launch.call, L"ShellExecuteExA");
    EXPECT_EQ(launch.cbSize, 60u);
    EXPECT_EQ(launch.fMask, 0x240u);
    EXPECT_EQ(launch.ownerWindow, kOwner);
    EXPECT_EQ(launch.verb, Text(L"Open"));
    EXPECT_EQ(launch.file, program);
    EXPECT_EQ(launch.parameters, Text(L"C:\\Daten\\K.dbf"));
    EXPECT_EQ(launch.directory, Text(L"C:\\ACT"));
    EXPECT_EQ(launch.showCommand, 3);
    EXPECT_EQ(hwnd, kOwner) << "a real window is not replaced";
}

TEST_F(ShellExecuteTest, LaunchProgramAsTheSwitchCallsIt) {
    Text program = MakeFile("ACT.EXE");
    platform::Handle32 hwnd = -1;
    EXPECT_EQ(
        shell.LaunchProgram(program, hwnd, Text(L"C:\\Daten mit Blank\\K.dbf"), std::nullopt, 10),
        -1);
    const sim::ShellLaunch& launch = OnlyLaunch();
    EXPECT_EQ(launch.ownerWindow, sim::kDesktopWindow);
    EXPECT_EQ(hwnd, sim::kDesktopWindow) << "the desktop window is written back";
    EXPECT_EQ(launch.parameters, Text(L"C:\\Daten mit Blank\\K.dbf")) << "no quotes added";
    EXPECT_EQ(launch.directory, std::nullopt);
    EXPECT_EQ(launch.showCommand, 10);
}

TEST_F(ShellExecuteTest, LaunchProgramDefaultsToTheDesktopAndEmptyTexts) {
    Text program = MakeFile("ACT.EXE");
    EXPECT_EQ(shell.LaunchProgram(program), -1);
    const sim::ShellLaunch& launch = OnlyLaunch();
    EXPECT_EQ(launch.ownerWindow, sim::kDesktopWindow);
    EXPECT_EQ(launch.parameters, Text());
    EXPECT_EQ(launch.directory, Text());
    EXPECT_EQ(launch.showCommand, 10);
}

TEST_F(ShellExecuteTest, StillExecutingFollowsTheStartedProcess) {
    Text program = MakeFile("ACT.EXE");
    ASSERT_EQ(shell.LaunchProgram(program), -1);
    EXPECT_EQ(shell.InstAppOfLastLaunch(), sim::kLaunchSucceeded);
    platform::Handle32 process = shell.ProcessOfLastLaunch();
    ASSERT_NE(process, 0);
    EXPECT_EQ(shell.StillExecuting(), platform::kTrue);
    EXPECT_EQ(shell.StillExecuting(), platform::kTrue) << "asking changes nothing";
    sim::EndProcess(process, 0);
    EXPECT_EQ(shell.StillExecuting(), platform::kFalse);
    EXPECT_EQ(shell.ProcessOfLastLaunch(), process) << "the handle is kept";
}

TEST_F(ShellExecuteTest, ProcessEndingWithCode259CountsAsRunning) {
    ASSERT_EQ(shell.LaunchProgram(MakeFile("ACT.EXE")), -1);
    sim::EndProcess(shell.ProcessOfLastLaunch(), 259);
    EXPECT_EQ(shell.StillExecuting(), platform::kTrue);
}

TEST_F(ShellExecuteTest, MissingProgramGivesTheShellsCodeAndNoProcess) {
    EXPECT_EQ(shell.LaunchProgram(PathOf("fehlt.exe")), 2);
    EXPECT_EQ(shell.InstAppOfLastLaunch(), 2);
    EXPECT_EQ(shell.ProcessOfLastLaunch(), 0);
    EXPECT_EQ(shell.StillExecuting(), platform::kFalse);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(ShellExecuteTest, CodeOf32IsReturnedAsItIs) {
    sim::Shell().forcedAnswer = 32;
    EXPECT_EQ(shell.LaunchProgram(MakeFile("ACT.EXE")), 32);
    EXPECT_EQ(shell.InstAppOfLastLaunch(), 32);
    EXPECT_EQ(shell.Explore(kOwner, PathOf("")), 32);
}

TEST_F(ShellExecuteTest, CodeOf33IsSuccess) {
    sim::Shell().forcedAnswer = 33;
    EXPECT_EQ(shell.LaunchProgram(MakeFile("ACT.EXE")), -1);
    EXPECT_EQ(shell.LaunchFolder(kOwner, PathOf("")), -1);
}

TEST_F(ShellExecuteTest, CodeOf0IsReturnedAsZero) {
    sim::Shell().forcedAnswer = 0;
    EXPECT_EQ(shell.LaunchURL(L"http://example.org"), 0);
    EXPECT_EQ(shell.LaunchProgram(MakeFile("ACT.EXE")), 0);
    EXPECT_EQ(shell.StillExecuting(), platform::kFalse);
}

TEST_F(ShellExecuteTest, ExploreAfterALaunchForgetsTheProcess) {
    ASSERT_EQ(shell.LaunchProgram(MakeFile("ACT.EXE")), -1);
    platform::Handle32 process = shell.ProcessOfLastLaunch();
    EXPECT_EQ(shell.Explore(kOwner, MakeFolder("Ordner")), -1);
    EXPECT_EQ(shell.InstAppOfLastLaunch(), 0);
    EXPECT_EQ(shell.ProcessOfLastLaunch(), 0);
    EXPECT_EQ(shell.StillExecuting(), platform::kFalse);
    EXPECT_TRUE(sim::Shell().processes.at(process).running) << "the first process still runs";
}

TEST_F(ShellExecuteTest, ExploreOpensTheFolderWithTheExploreVerb) {
    Text folder = MakeFolder("Ordner");
    EXPECT_EQ(shell.Explore(-1, folder, 1), -1);
    const sim::ShellLaunch& launch = OnlyLaunch();
    EXPECT_EQ(launch.call, L"ShellExecuteA");
    EXPECT_EQ(launch.verb, Text(L"explore"));
    EXPECT_EQ(launch.file, folder);
    EXPECT_EQ(launch.parameters, std::nullopt);
    EXPECT_EQ(launch.directory, std::nullopt);
    EXPECT_EQ(launch.showCommand, 1);
    EXPECT_EQ(launch.ownerWindow, -1) << "Explore passes -1 unchanged";
}

TEST_F(ShellExecuteTest, LaunchFolderUsesTheOpenVerbAndTheDefaultShowCommand) {
    Text folder = MakeFolder("Ordner");
    EXPECT_EQ(shell.LaunchFolder(kOwner, folder), -1);
    EXPECT_EQ(OnlyLaunch().verb, Text(L"open"));
    EXPECT_EQ(OnlyLaunch().showCommand, 10);
    EXPECT_EQ(OnlyLaunch().ownerWindow, kOwner);
}

TEST_F(ShellExecuteTest, LaunchFolderOfAMissingFolderGivesCode2) {
    EXPECT_EQ(shell.LaunchFolder(kOwner, PathOf("fehlt")), 2);
}

TEST_F(ShellExecuteTest, LaunchEmailPrefixesMailtoWithNothingEscaped) {
    EXPECT_EQ(shell.LaunchEmail(-1, L"a b@example.org?subject=Grüße&x"), -1);
    const sim::ShellLaunch& launch = OnlyLaunch();
    EXPECT_EQ(launch.verb, std::nullopt) << "the default verb";
    EXPECT_EQ(launch.file, Text(L"mailto:a b@example.org?subject=Grüße&x"));
    EXPECT_EQ(launch.ownerWindow, -1);
}

TEST_F(ShellExecuteTest, LaunchURLWithTheDesktopWrittenBack) {
    platform::Handle32 hwnd = -1;
    EXPECT_EQ(shell.LaunchURL(L"http://example.org/a b ", hwnd, 2), -1);
    EXPECT_EQ(hwnd, sim::kDesktopWindow);
    const sim::ShellLaunch& launch = OnlyLaunch();
    EXPECT_EQ(launch.call, L"ShellExecuteA");
    EXPECT_EQ(launch.verb, std::nullopt);
    EXPECT_EQ(launch.file, Text(L"http://example.org/a b ")) << "nothing trimmed";
    EXPECT_EQ(launch.ownerWindow, sim::kDesktopWindow);
    EXPECT_EQ(launch.showCommand, 2);
}

TEST_F(ShellExecuteTest, LaunchURLLeftWithoutWindowUsesTheDesktop) {
    EXPECT_EQ(shell.LaunchURL(L"http://example.org"), -1);
    EXPECT_EQ(OnlyLaunch().ownerWindow, sim::kDesktopWindow);
    EXPECT_EQ(OnlyLaunch().showCommand, 10);
}

TEST_F(ShellExecuteTest, PrintDocumentAlwaysAsksForAHiddenWindow) {
    Text document = MakeFile("Brief.doc");
    EXPECT_EQ(shell.PrintDocument(kOwner, document), -1);
    const sim::ShellLaunch& launch = OnlyLaunch();
    EXPECT_EQ(launch.verb, Text(L"print"));
    EXPECT_EQ(launch.file, document);
    EXPECT_EQ(launch.showCommand, 0);
}

TEST_F(ShellExecuteTest, LaunchDocumentSendsEmptyParametersAndTheWorkingDirectory) {
    Text document = MakeFile("Brief.doc");
    EXPECT_EQ(shell.LaunchDocument(-1, document, Text(L"C:\\Arbeit")), -1);
    const sim::ShellLaunch& launch = OnlyLaunch();
    EXPECT_EQ(launch.call, L"ShellExecuteExA");
    EXPECT_EQ(launch.parameters, Text()) << "the empty text, not null";
    EXPECT_EQ(launch.directory, Text(L"C:\\Arbeit"));
    EXPECT_EQ(launch.ownerWindow, -1) << "LaunchDocument passes -1 unchanged";
    EXPECT_EQ(launch.fMask, 0x240u);
    EXPECT_EQ(launch.verb, Text(L"Open"));
    EXPECT_NE(shell.ProcessOfLastLaunch(), 0);
    EXPECT_EQ(shell.StillExecuting(), platform::kTrue);
}

TEST_F(ShellExecuteTest, EnvironmentVariablesAreExpandedOnlyForTheExLaunches) {
    sim::Shell().environment[L"ACTDIR"] = PathOf("ACT");
    MakeFile("ACT/ACT.EXE");
    EXPECT_EQ(shell.LaunchProgram(L"%actdir%/ACT.EXE", -1, Text(L"%ACTDIR%"), Text(L"%ACTDIR%")),
              -1);
    EXPECT_EQ(sim::Shell().launches[0].file, PathOf("ACT") + L"/ACT.EXE");
    EXPECT_EQ(sim::Shell().launches[0].directory, PathOf("ACT"));
    EXPECT_EQ(sim::Shell().launches[0].parameters, Text(L"%ACTDIR%"));
    EXPECT_EQ(shell.LaunchFolder(kOwner, L"%ACTDIR%"), 2);
    EXPECT_EQ(sim::Shell().launches[1].file, Text(L"%ACTDIR%"));
}

TEST_F(ShellExecuteTest, FailureInsideEachMemberIsShownUnderItsNameAndGivesZero) {
    struct Case {
        const wchar_t* title;
        std::function<std::int32_t()> call;
    };
    Text program = MakeFile("ACT.EXE");
    std::vector<Case> cases = {
        {L"Explore", [&] { return shell.Explore(kOwner, program); }},
        {L"LaunchDocument", [&] { return shell.LaunchDocument(kOwner, program, std::nullopt); }},
        {L"LaunchEmail", [&] { return shell.LaunchEmail(kOwner, L"a@b"); }},
        {L"LaunchFolder", [&] { return shell.LaunchFolder(kOwner, program); }},
        {L"LaunchProgram", [&] { return shell.LaunchProgram(program); }},
        {L"LaunchURL", [&] { return shell.LaunchURL(L"http://x"); }},
        {L"PrintDocument", [&] { return shell.PrintDocument(kOwner, program); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        ASSERT_EQ(shell.LaunchProgram(program), -1);
        sim::Boxes().shown.clear();
        FailNextShellCall();
        EXPECT_EQ(c.call(), 0);
        ExpectErrorBox(c.title);
        EXPECT_EQ(shell.InstAppOfLastLaunch(), 0) << "reset before the shell was called";
        EXPECT_EQ(shell.ProcessOfLastLaunch(), 0);
    }
}

TEST_F(ShellExecuteTest, FailureInStillExecutingIsShownAndGivesFalse) {
    ASSERT_EQ(shell.LaunchProgram(MakeFile("ACT.EXE")), -1);
    FailNextShellCall();
    EXPECT_EQ(shell.StillExecuting(), platform::kFalse);
    ExpectErrorBox(L"StillExecuting");
    EXPECT_EQ(shell.StillExecuting(), platform::kTrue) << "the launch is still kept";
}

TEST_F(ShellExecuteTest, HookSeesEachSuccessfulLaunch) {
    std::vector<Text> seen;
    sim::Shell().onLaunch = [&](const sim::ShellLaunch& launch) { seen.push_back(*launch.file); };
    Text program = MakeFile("ACT.EXE");
    shell.LaunchProgram(program);
    shell.LaunchProgram(PathOf("fehlt.exe"));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], program);
}

TEST_F(ShellExecuteTest, ProcessHandlesAreNeverClosedAndStayDistinct) {
    Text program = MakeFile("ACT.EXE");
    shell.LaunchProgram(program);
    platform::Handle32 first = shell.ProcessOfLastLaunch();
    shell.LaunchProgram(program);
    platform::Handle32 second = shell.ProcessOfLastLaunch();
    EXPECT_NE(first, second);
    EXPECT_EQ(sim::Shell().processes.size(), 2u);
    std::uint32_t code = 0;
    EXPECT_NE(platform::GetExitCodeProcess(first, &code), 0) << "the first handle still works";
    EXPECT_EQ(code, platform::kStillActive);
}

}  // namespace
