// Failure: a 32-bit number and a description, thrown as an exception.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

#include "Types.h"

namespace platform {

// Failure numbers the program's own code raises.
inline constexpr std::int32_t kInvalidArgument = 5;
inline constexpr std::int32_t kOverflow = 6;
inline constexpr std::int32_t kOutOfMemory = 7;
inline constexpr std::int32_t kSubscriptOutOfRange = 9;
inline constexpr std::int32_t kTypeMismatch = 13;
inline constexpr std::int32_t kInvalidUseOfNull = 94;

class Failure : public std::exception {
  public:
    Failure(std::int32_t number, Text description);

    std::int32_t Number() const noexcept { return number_; }
    const Text& Description() const noexcept { return description_; }
    const char* what() const noexcept override { return what_.c_str(); }

  private:
    std::int32_t number_;
    Text description_;
    std::string what_;
};

// A failure with one of the program's own numbers and its standard description.
Failure StandardFailure(std::int32_t number);

// The standard description of one of the program's own failure numbers.
Text StandardDescription(std::int32_t number);

// Turns whatever escaped a procedure into a Failure: a Failure stays as it is, exhausted memory
// becomes failure 7, anything else a failure 5 that names it. Call only inside a catch block.
Failure CurrentFailure();

}  // namespace platform
