#include <system_error>
#include <vector>

#include "SimFiles.h"
#include "SimText.h"
#include "platform/FileSearch.h"
#include "platform/core/Ansi.h"

namespace platform {

namespace sim {

void MapDrive(wchar_t letter, const std::filesystem::path& folder) {
    FileSystem().drives[FoldCase(letter)] = folder;
}

void SetFileAttributes(const std::filesystem::path& realPath, std::uint32_t attributes) {
    std::error_code ignored;
    FileSystem().attributes[std::filesystem::absolute(realPath, ignored).lexically_normal()] =
        attributes;
}

std::optional<std::filesystem::path> RealPath(const Text& windowsPath) {
    Text path = windowsPath;
    for (wchar_t& c : path) {
        if (c == L'\\') {
            c = L'/';
        }
    }
    if (path.size() >= 2 && path[1] == L':') {
        auto drive = FileSystem().drives.find(FoldCase(path[0]));
        if (drive == FileSystem().drives.end()) {
            return std::nullopt;
        }
        Text rest = path.substr(2);
        while (!rest.empty() && rest.front() == L'/') {
            rest.erase(0, 1);
        }
        return drive->second / std::filesystem::path(ToUtf8(rest));
    }
    return std::filesystem::path(ToUtf8(path));
}

}  // namespace sim

namespace {

bool HasWildcard(const Text& text) {
    return text.find_first_of(L"*?") != Text::npos;
}

// Matches a name against a pattern of the last path part: '*' any run, '?' one character,
// letters without regard to case; "*.*" matches every name.
bool MatchesPattern(const Text& pattern, const Text& name) {
    if (pattern == L"*.*") {
        return true;
    }
    std::size_t p = 0, n = 0, starP = Text::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == L'*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == L'?' || sim::FoldCase(pattern[p]) == sim::FoldCase(name[n]))) {
            ++p;
            ++n;
        } else if (starP != Text::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*') {
        ++p;
    }
    return p == pattern.size();
}

// Whether the folder part of a search path names a drive's root ("C:\\", "\\", "/").
bool IsDriveRoot(const Text& folder) {
    std::size_t start = folder.size() >= 2 && folder[1] == L':' ? 2 : 0;
    return folder.find_first_not_of(L"\\/", start) == Text::npos && (start == 2 || !folder.empty());
}

}  // namespace

struct FileSearch::State {
    std::vector<FoundFile> found;
    std::size_t next = 0;
};

FileSearch::FileSearch(const Text& path) : state_(std::make_unique<State>()) {
    // The system sees the path in its ANSI code page: a character it cannot hold becomes '?'.
    Text seen = FromAnsi(ToAnsi(path));
    std::size_t slash = seen.find_last_of(L"\\/");
    Text folder = slash == Text::npos ? Text() : seen.substr(0, slash + 1);
    Text pattern = slash == Text::npos ? seen : seen.substr(slash + 1);
    if (folder.empty() && seen.size() >= 2 && seen[1] == L':') {
        folder = seen.substr(0, 2);
        pattern = seen.substr(2);
    }
    // As on Windows, blanks at the end of the last part are not part of the name.
    while (!pattern.empty() && pattern.back() == L' ') {
        pattern.pop_back();
    }
    if (pattern.empty() || HasWildcard(folder) || seen.find(L'\0') != Text::npos) {
        return;
    }
    std::optional<std::filesystem::path> realFolder =
        folder.empty() ? std::optional<std::filesystem::path>(".") : sim::RealPath(folder);
    if (!realFolder) {
        return;
    }
    if (realFolder->empty()) {
        *realFolder = ".";
    }
    std::error_code error;
    std::filesystem::directory_iterator entries(*realFolder, error);
    if (error) {
        return;
    }
    // As on Windows, a folder other than a drive's root holds the entries "." and "..".
    if (!IsDriveRoot(folder)) {
        for (const wchar_t* dots : {L".", L".."}) {
            if (MatchesPattern(pattern, dots)) {
                state_->found.push_back({dots, kFileAttributeDirectory});
            }
        }
    }
    for (const std::filesystem::directory_entry& entry : entries) {
        Text name = sim::FromUtf8(entry.path().filename().string());
        if (!MatchesPattern(pattern, name)) {
            continue;
        }
        std::error_code typeError;
        std::uint32_t attributes =
            entry.is_directory(typeError) ? kFileAttributeDirectory : kFileAttributeArchive;
        std::error_code ignored;
        auto marked = sim::FileSystem().attributes.find(
            std::filesystem::absolute(entry.path(), ignored).lexically_normal());
        if (marked != sim::FileSystem().attributes.end()) {
            attributes |= marked->second;
        }
        state_->found.push_back({name, attributes});
    }
}

FileSearch::~FileSearch() = default;

std::optional<FoundFile> FileSearch::Next() {
    if (state_->next >= state_->found.size()) {
        return std::nullopt;
    }
    return state_->found[state_->next++];
}

}  // namespace platform
