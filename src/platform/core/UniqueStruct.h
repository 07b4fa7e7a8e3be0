// Owns a structure that keeps what it owns inside itself (a VARIANT, for one) and gives that back
// when the holder goes: the pattern beside UniqueHandle for kinds that are no single value, with
// the same words. Header only, free of any system's types.
#pragma once

namespace platform {

// Init makes a structure empty; Clear gives back what it holds and may leave it as it likes.
template <typename T, auto Init, auto Clear>
class UniqueStruct {
  public:
    UniqueStruct() { Init(&value_); }
    ~UniqueStruct() { Clear(&value_); }
    UniqueStruct(UniqueStruct&& other) noexcept : value_(other.Detach()) {}
    UniqueStruct& operator=(UniqueStruct&& other) noexcept {
        if (this != &other) {
            Clear(&value_);
            value_ = other.Detach();
        }
        return *this;
    }
    UniqueStruct(const UniqueStruct&) = delete;
    UniqueStruct& operator=(const UniqueStruct&) = delete;

    T* Get() { return &value_; }
    const T* Get() const { return &value_; }

    // Gives back what is held; the holder is empty again.
    void Reset() {
        Clear(&value_);
        Init(&value_);
    }

    // Hands what is held over to whoever gives it back next; the holder is empty again.
    [[nodiscard]] T Detach() {
        T detached = value_;
        Init(&value_);
        return detached;
    }

  private:
    T value_;
};

}  // namespace platform
