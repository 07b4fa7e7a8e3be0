#include "ComHandles.h"

#include <climits>

#include "../Failure.h"

namespace platform::win32 {

BString::BString(const std::wstring& text) {
    if (text.size() > static_cast<std::size_t>(UINT_MAX / 4)) {
        throw StandardFailure(kOutOfMemory);
    }
    value_ = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (value_ == nullptr) {
        throw StandardFailure(kOutOfMemory);
    }
}

}  // namespace platform::win32
