#include "../FileSearch.h"

#include <windows.h>

#include "../Ansi.h"

namespace platform {

struct FileSearch::State {
    HANDLE handle = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAA data{};
    bool havePending = false;

    ~State() {
        if (handle != INVALID_HANDLE_VALUE) {
            FindClose(handle);
        }
    }
};

FileSearch::FileSearch(const Text& path) : state_(std::make_unique<State>()) {
    std::string ansi = ToAnsi(path);
    if (ansi.find('\0') != std::string::npos) {
        return;
    }
    state_->handle = FindFirstFileA(ansi.c_str(), &state_->data);
    state_->havePending = state_->handle != INVALID_HANDLE_VALUE;
}

FileSearch::~FileSearch() = default;

std::optional<FoundFile> FileSearch::Next() {
    if (state_->handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    if (!state_->havePending) {
        if (!FindNextFileA(state_->handle, &state_->data)) {
            return std::nullopt;
        }
    }
    state_->havePending = false;
    return FoundFile{FromAnsi(state_->data.cFileName), state_->data.dwFileAttributes};
}

}  // namespace platform
