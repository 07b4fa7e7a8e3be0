// Runs an action when the guard goes out of scope, however the scope is left, unless the guard
// was dismissed before.
#pragma once

#include <utility>

namespace platform {

// A guard that is not kept in a variable would run its action at once.
template <typename Action>
class [[nodiscard]] ScopeGuard {
  public:
    [[nodiscard]] explicit ScopeGuard(Action action) : action_(std::move(action)) {}
    ~ScopeGuard() {
        if (!dismissed_) {
            action_();
        }
    }
    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;

    // The action is not run: what it would undo is kept (handed on, or done to the end).
    void Dismiss() { dismissed_ = true; }

  private:
    Action action_;
    bool dismissed_ = false;
};

}  // namespace platform
