// The number of the failure that an action raises, for tests of failures passing to a caller.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/core/Failure.h"

namespace testsupport {

// The failure's number, or 0 when the action raised none.
inline std::int32_t FailureNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const platform::Failure& failure) {
        return failure.Number();
    }
    return 0;
}

}  // namespace testsupport
