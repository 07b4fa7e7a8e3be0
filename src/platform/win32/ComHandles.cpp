#include "ComHandles.h"

#include <climits>

#include "../core/Failure.h"

namespace platform::win32 {

BString NewBString(const std::wstring& text) {
    if (text.size() > static_cast<std::size_t>(UINT_MAX / 4)) {
        throw StandardFailure(kOutOfMemory);
    }
    BString copy(SysAllocStringLen(text.data(), static_cast<UINT>(text.size())));
    if (!copy.Valid()) {
        throw StandardFailure(kOutOfMemory);
    }
    return copy;
}

}  // namespace platform::win32
