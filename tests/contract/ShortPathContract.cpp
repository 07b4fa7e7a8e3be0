// GetShortPathNameA: the short form of an existing path, the sizes it reports around the
// buffer's length, and the paths it cannot shorten.
#include "platform/ShortPath.h"

#include <gtest/gtest.h>

#include <string>

#include "PortContractTest.h"
#include "platform/FileSearch.h"
#include "platform/core/Ansi.h"

namespace portcontract {
namespace {

using platform::GetShortPathNameA;

// The scratch folder holds "Ein langer Ordnername\Eine lange Datei.txt" and "Ωmega".
enum class PathKind { LongFolder, LongFile, MissingFile, MissingFolder, OutsideCodePage, Empty };
// The buffer's length, against the short form's length n.
enum class Buffer { Ample, ExactFit, OneShort, None };

struct ShortPathRow {
    const char* name;
    PathKind path;
    Buffer buffer;
    bool shortened;
};

const ShortPathRow kShortPathRows[] = {
    {"LongFolder", PathKind::LongFolder, Buffer::Ample, true},
    {"LongFile", PathKind::LongFile, Buffer::Ample, true},
    {"ExactFit", PathKind::LongFile, Buffer::ExactFit, true},
    {"OneShortReportsNeededSize", PathKind::LongFile, Buffer::OneShort, true},
    {"NoBufferReportsNeededSize", PathKind::LongFile, Buffer::None, true},
    {"MissingFile", PathKind::MissingFile, Buffer::Ample, false},
    {"MissingFolder", PathKind::MissingFolder, Buffer::Ample, false},
    // The name reaches the system as "?mega", a wildcard, which names no file.
    {"NameOutsideCodePage", PathKind::OutsideCodePage, Buffer::Ample, false},
    {"EmptyPath", PathKind::Empty, Buffer::Ample, false},
};

Text PathOf(PathKind kind) {
    Environment& env = TheEnvironment();
    env.MakeFile(L"Ein langer Ordnername\\Eine lange Datei.txt");
    env.MakeFolder(L"Ωmega");
    Text scratch = env.ScratchFolder();
    switch (kind) {
        case PathKind::LongFolder:
            return scratch + L"\\Ein langer Ordnername";
        case PathKind::LongFile:
            return scratch + L"\\Ein langer Ordnername\\Eine lange Datei.txt";
        case PathKind::MissingFile:
            return scratch + L"\\Ein langer Ordnername\\Fehlt.txt";
        case PathKind::MissingFolder:
            return scratch + L"\\Fehlt\\Eine lange Datei.txt";
        case PathKind::OutsideCodePage:
            return scratch + L"\\Ωmega";
        case PathKind::Empty:
            break;
    }
    return Text();
}

// The name of the entry that a path names, found through the port's own search.
Text FoundName(const Text& path) {
    platform::FileSearch search(path);
    std::optional<platform::FoundFile> found = search.Next();
    return found ? found->name : L"(nothing)";
}

using PortContractGetShortPathNameA = PortContractTable<ShortPathRow>;

TEST_P(PortContractGetShortPathNameA, ShortensExistingPaths) {
    const ShortPathRow& row = GetParam();
    Env().UseCodePage(1252);
    Text path = PathOf(row.path);
    std::string ample(1024, '#');
    std::uint32_t length = GetShortPathNameA(path, ample.data(), 1024);
    if (!row.shortened) {
        EXPECT_EQ(length, 0u);
        return;
    }
    ASSERT_GT(length, 0u);
    ASSERT_LT(length, 1024u);
    std::string shortForm = ample.substr(0, length);
    EXPECT_EQ(ample[length], '\0');
    EXPECT_EQ(shortForm.find('\0'), std::string::npos);
    EXPECT_EQ(FoundName(platform::FromAnsi(shortForm)), path.substr(path.rfind(L'\\') + 1))
        << "the short form names the same entry";

    std::uint32_t bufferLength = row.buffer == Buffer::ExactFit   ? length + 1
                                 : row.buffer == Buffer::OneShort ? length
                                 : row.buffer == Buffer::None     ? 0
                                                                  : 1024;
    std::string buffer(1024, '#');
    std::uint32_t result =
        GetShortPathNameA(path, row.buffer == Buffer::None ? nullptr : buffer.data(), bufferLength);
    if (row.buffer == Buffer::Ample || row.buffer == Buffer::ExactFit) {
        EXPECT_EQ(result, length);
        EXPECT_EQ(buffer.substr(0, length + 1), shortForm + '\0');
    } else {
        EXPECT_EQ(result, length + 1);
        EXPECT_EQ(buffer, std::string(1024, '#')) << "the buffer is left as it was";
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, PortContractGetShortPathNameA, ::testing::ValuesIn(kShortPathRows),
                         RowName());

}  // namespace
}  // namespace portcontract
