#include "../FileSearch.h"

#include <windows.h>

#include "../core/Ansi.h"
#include "Handles.h"

namespace platform {

struct FileSearch::State {
    win32::FileSearchHandle handle;
    WIN32_FIND_DATAA data{};
    bool havePending = false;
};

FileSearch::FileSearch(const Text& path) : state_(std::make_unique<State>()) {
    std::string ansi = ToAnsi(path);
    if (ansi.find('\0') != std::string::npos) {
        return;
    }
    state_->handle.Reset(FindFirstFileA(ansi.c_str(), &state_->data));
    state_->havePending = state_->handle.Valid();
}

FileSearch::~FileSearch() = default;

std::optional<FoundFile> FileSearch::Next() {
    if (!state_->handle.Valid()) {
        return std::nullopt;
    }
    if (!state_->havePending) {
        if (!FindNextFileA(state_->handle.Get(), &state_->data)) {
            return std::nullopt;
        }
    }
    state_->havePending = false;
    return FoundFile{FromAnsi(state_->data.cFileName), state_->data.dwFileAttributes};
}

}  // namespace platform
