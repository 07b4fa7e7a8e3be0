// The running program's folder and file name, an environment variable that is not set, and the
// user's decimal separator: what both backends promise whatever program runs where.
#include "platform/Program.h"

#include <gtest/gtest.h>

#include "PortContractTest.h"
#include "platform/RegionalSettings.h"

namespace portcontract {
namespace {

using PortContractProgram = PortContractTest;

TEST_F(PortContractProgram, NamesFolderWithoutClosingBackslashAndFileWithoutExtension) {
    const Text folder = platform::ProgramFolder();
    ASSERT_GE(folder.size(), 3u);
    EXPECT_EQ(folder.substr(1, 2), L":\\");
    EXPECT_TRUE(folder.size() == 3 || folder.back() != L'\\') << "only a drive's root ends so";
    const Text name = platform::ProgramFileName();
    EXPECT_FALSE(name.empty());
    // Neither program's name holds a dot, a folder or a drive of its own.
    EXPECT_EQ(name.find_first_of(L".\\:"), Text::npos) << "name: " << name.size();
    EXPECT_EQ(platform::EnvironmentVariable(L"QUENDELHOF_KONTRAKT_NICHT_GESETZT"), std::nullopt);
}

using PortContractUserDecimalSeparator = PortContractTest;

// Not a digit: that would be another of the settings' entries (the number of decimals) read.
TEST_F(PortContractUserDecimalSeparator, IsNeitherEmptyNorADigit) {
    const Text separator = platform::UserDecimalSeparator();
    ASSERT_FALSE(separator.empty());
    EXPECT_EQ(separator.find_first_of(L"0123456789"), Text::npos);
}

}  // namespace
}  // namespace portcontract
