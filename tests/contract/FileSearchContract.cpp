// FileSearch: the entries that a path with wildcards in its last part finds, with their
// attributes, as the system's find-first-file search gives them.
#include "platform/FileSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "PortContractTest.h"
#include "platform/core/Ansi.h"

namespace portcontract {
namespace {

using platform::kFileAttributeDirectory;

// The scratch folder holds "Daten.dbf", "daten2.DBF", "a.txt" and the folder "Unter".
struct SearchRow {
    const char* name;
    const wchar_t* pattern;           // below the scratch folder
    std::vector<std::wstring> found;  // names, sorted; a trailing backslash marks a folder
};

const SearchRow kSearchRows[] = {
    {"ExactName", L"Daten.dbf", {L"Daten.dbf"}},
    {"ExtensionAnyCase", L"*.dbf", {L"Daten.dbf", L"daten2.DBF"}},
    {"TrailingBlanksIgnored", L"Daten.dbf  ", {L"Daten.dbf"}},
    {"Folder", L"Unter", {L"Unter\\"}},
    // The folder's own entries "." and ".." match as well.
    {"Everything", L"*", {L"..\\", L".\\", L"Daten.dbf", L"Unter\\", L"a.txt", L"daten2.DBF"}},
    {"NoMatch", L"*.mdb", {}},
    {"MissingFolder", L"Fehlt\\*.dbf", {}},
    // Ω reaches the system as "?", a wildcard for one character.
    {"NameOutsideCodePageIsAWildcard", L"Ω.txt", {L"a.txt"}},
};

using PortContractFileSearch = PortContractTable<SearchRow>;

TEST_P(PortContractFileSearch, FindsMatchingEntries) {
    const SearchRow& row = GetParam();
    Env().UseCodePage(1252);
    Env().MakeFile(L"Daten.dbf");
    Env().MakeFile(L"daten2.DBF");
    Env().MakeFile(L"a.txt");
    Env().MakeFolder(L"Unter");
    platform::FileSearch search(Env().ScratchFolder() + L"\\" + row.pattern);
    std::vector<std::wstring> found;
    while (std::optional<platform::FoundFile> entry = search.Next()) {
        bool folder = (entry->attributes & kFileAttributeDirectory) != 0;
        found.push_back(entry->name + (folder ? L"\\" : L""));
    }
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, row.found);
}

INSTANTIATE_TEST_SUITE_P(Rows, PortContractFileSearch, ::testing::ValuesIn(kSearchRows), RowName());

}  // namespace
}  // namespace portcontract
