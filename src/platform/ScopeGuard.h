// Runs an action when the guard goes out of scope, however the scope is left.
#pragma once

#include <utility>

namespace platform {

// A guard that is not kept in a variable would run its action at once.
template <typename Action>
class [[nodiscard]] ScopeGuard {
  public:
    [[nodiscard]] explicit ScopeGuard(Action action) : action_(std::move(action)) {}
    ~ScopeGuard() { action_(); }
    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;

  private:
    Action action_;
};

}  // namespace platform
