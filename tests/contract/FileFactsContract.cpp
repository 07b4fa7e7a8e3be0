// ReadFileVersion and HasDownloadMark of a plain file made here: no version resource, no mark;
// and no version of a file that does not exist.
#include "platform/FileFacts.h"

#include <gtest/gtest.h>

#include "PortContractTest.h"

namespace portcontract {
namespace {

using PortContractFileFacts = PortContractTest;

TEST_F(PortContractFileFacts, PlainFileHasNeitherVersionNorDownloadMark) {
    Env().UseCodePage(1252);
    const Text file = Env().MakeFile(L"Schlicht.txt");
    EXPECT_FALSE(platform::ReadFileVersion(file).has_value());
    EXPECT_FALSE(platform::ReadFileVersion(Env().ScratchFolder() + L"\\Fehlt.exe").has_value());
    EXPECT_FALSE(platform::HasDownloadMark(file));
}

}  // namespace
}  // namespace portcontract
