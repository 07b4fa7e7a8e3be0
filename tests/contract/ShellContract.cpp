// ShellExecuteA and ShellExecuteExA of a file that does not exist, GetExitCodeProcess of a
// handle that is no process, and the desktop window.
#include "platform/Shell.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "PortContractTest.h"

namespace portcontract {
namespace {

constexpr Handle32 kFileNotFound = 2;

using PortContractShell = PortContractTest;

TEST_F(PortContractShell, ShellExecuteAAnswersTwoForAFileThatDoesNotExist) {
    Env().UseCodePage(1252);
    EXPECT_EQ(platform::ShellExecuteA(0, std::nullopt, Env().ScratchFolder() + L"\\Fehlt.txt",
                                      std::nullopt, std::nullopt, platform::kSwShowDefault),
              kFileNotFound);
}

TEST_F(PortContractShell, ShellExecuteExAAnswersTwoAndNoProcessForAFileThatDoesNotExist) {
    Env().UseCodePage(1252);
    platform::ShellExecuteInfoA info;
    info.cbSize = platform::kShellExecuteInfoSize;
    info.fMask = platform::kSeeMaskNoCloseProcess | platform::kSeeMaskFlagNoUi;
    info.lpVerb = L"open";
    info.lpFile = Env().ScratchFolder() + L"\\Fehlt.txt";
    info.nShow = platform::kSwShowDefault;
    EXPECT_EQ(platform::ShellExecuteExA(info), 0);
    EXPECT_EQ(info.hInstApp, kFileNotFound);
    EXPECT_EQ(info.hProcess, 0u);
}

TEST_F(PortContractShell, HasADesktopWindowAndNoExitCodeOfNoProcess) {
    EXPECT_NE(platform::GetDesktopWindow(), 0u);
    std::uint32_t exitCode = 12345;
    EXPECT_EQ(platform::GetExitCodeProcess(0, &exitCode), 0);
    EXPECT_EQ(exitCode, 12345u) << "nothing is written";
}

}  // namespace
}  // namespace portcontract
