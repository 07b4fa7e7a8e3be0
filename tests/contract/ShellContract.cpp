// ShellExecuteA and ShellExecuteExA of a file that does not exist, GetExitCodeProcess of a
// handle that is no process, and the desktop window.
#include "platform/Shell.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "PortContractTest.h"

namespace portcontract {
namespace {

using platform::OptionalText;

constexpr Handle32 kFileNotFound = 2;

struct MissingFileRow {
    const char* name;
    bool extended;        // ShellExecuteExA, asking for the process; else ShellExecuteA
    const wchar_t* verb;  // null: the default verb
};

const MissingFileRow kMissingFileRows[] = {
    {"ShellExecuteA", false, nullptr},
    {"ShellExecuteExA", true, L"open"},
};

using PortContractShellExecute = PortContractTable<MissingFileRow>;

TEST_P(PortContractShellExecute, AnswersTwoForAFileThatDoesNotExist) {
    const MissingFileRow& row = GetParam();
    Env().UseCodePage(1252);
    const Text file = Env().ScratchFolder() + L"\\Fehlt.txt";
    const OptionalText verb = row.verb != nullptr ? OptionalText(row.verb) : std::nullopt;
    if (!row.extended) {
        EXPECT_EQ(platform::ShellExecuteA(0, verb, file, std::nullopt, std::nullopt,
                                          platform::kSwShowDefault),
                  kFileNotFound);
        return;
    }
    platform::ShellExecuteInfoA info;
    info.cbSize = platform::kShellExecuteInfoSize;
    info.fMask = platform::kSeeMaskNoCloseProcess | platform::kSeeMaskFlagNoUi;
    info.lpVerb = verb;
    info.lpFile = file;
    info.nShow = platform::kSwShowDefault;
    EXPECT_EQ(platform::ShellExecuteExA(info), 0);
    EXPECT_EQ(info.hInstApp, kFileNotFound);
    EXPECT_EQ(info.hProcess, 0u) << "no process is handed out";
}

INSTANTIATE_TEST_SUITE_P(Rows, PortContractShellExecute, ::testing::ValuesIn(kMissingFileRows),
                         RowName());

using PortContractShell = PortContractTest;

TEST_F(PortContractShell, HasADesktopWindowAndNoExitCodeOfNoProcess) {
    EXPECT_NE(platform::GetDesktopWindow(), 0u);
    std::uint32_t exitCode = 12345;
    EXPECT_EQ(platform::GetExitCodeProcess(0, &exitCode), 0);
    EXPECT_EQ(exitCode, 12345u) << "nothing is written";
}

}  // namespace
}  // namespace portcontract
