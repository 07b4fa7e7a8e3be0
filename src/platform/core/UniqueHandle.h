// Owns a handle and gives it back, with the function that fits its kind, when the holder goes.
// One template for every kind; each kind has a name of its own where it is used: the Windows
// backend's in win32/Handles.h, the port's registry key in Registry.h. Header only, free of any
// system's types. A kind whose close needs two values holds both as one small struct (a window's
// device context: its window and the context). A structure that keeps what it owns inside itself
// (a VARIANT) has UniqueStruct.h beside this. Every owner says what it does with the same words:
// Get, Valid (holds something), Reset, Detach (hands over what it holds), Receive.
#pragma once

#include <utility>

namespace platform {

// Whether a handle holds something, for the kinds with one value that stands for none.
template <typename T, T Empty>
constexpr bool DiffersFrom(T handle) {
    return handle != Empty;
}

// Close gives a handle back. Empty is what a holder that holds nothing keeps; IsHeld tells a
// handle from the values that stand for none, for the kinds with more than one of them.
template <typename T, auto Close, T Empty = T{}, auto IsHeld = DiffersFrom<T, Empty>>
class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(T handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Detach()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset(other.Detach());
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    T Get() const { return handle_; }
    bool Valid() const { return IsHeld(handle_); }

    // Gives back what is held, if anything, and holds the handle instead; the handle held
    // already stays held. What the close reports is of no use here: a handle that cannot be
    // given back cannot be used either.
    void Reset(T handle = Empty) {
        if (handle == handle_) {
            return;
        }
        T previous = std::exchange(handle_, handle);
        if (IsHeld(previous)) {
            static_cast<void>(Close(previous));
        }
    }

    // Hands the handle over to whoever gives it back from now on; the holder holds nothing.
    [[nodiscard]] T Detach() { return std::exchange(handle_, Empty); }

    // For functions that hand out a new handle through a pointer: gives back what is held, and
    // the handle written there is held from then on.
    T* Receive() {
        Reset();
        return &handle_;
    }

  private:
    T handle_ = Empty;
};

}  // namespace platform
