#include "../RegionalSettings.h"

#include <windows.h>

namespace platform {

Text UserDecimalSeparator() {
    // The separator has at most three characters and the terminating null.
    wchar_t buffer[8] = {};
    int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer,
                                static_cast<int>(sizeof buffer / sizeof buffer[0]));
    if (length <= 1) {
        return L".";
    }
    return Text(buffer, static_cast<std::size_t>(length - 1));
}

}  // namespace platform
