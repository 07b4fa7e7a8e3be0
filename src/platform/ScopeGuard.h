// Runs an action when the guard goes out of scope, however the scope is left.
#pragma once

#include <utility>

namespace platform {

template <typename Action>
class ScopeGuard {
  public:
    explicit ScopeGuard(Action action) : action_(std::move(action)) {}
    ~ScopeGuard() { action_(); }
    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;

  private:
    Action action_;
};

}  // namespace platform
