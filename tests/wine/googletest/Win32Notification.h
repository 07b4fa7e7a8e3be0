// GoogleTest's Notification on a Win32 event. The cross compiler's default thread model has no
// std::mutex or std::condition_variable, on which GoogleTest's own Notification is built; this
// header is included ahead of every source that sees GoogleTest and stands in for it.
#pragma once

#include <windows.h>

namespace testing::internal {

class Notification {
  public:
    Notification() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;
    ~Notification() {
        if (event_ != nullptr) {
            CloseHandle(event_);
        }
    }

    void Notify() { SetEvent(event_); }
    void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

  private:
    HANDLE event_;
};

}  // namespace testing::internal
