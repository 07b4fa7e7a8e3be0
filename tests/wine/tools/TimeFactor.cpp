#include "TimeFactor.h"

#include <cwchar>

namespace winetest {

namespace {

constexpr DWORD kLargestFactor = 100;

DWORD ReadTimeFactor() {
    wchar_t text[16] = {};
    DWORD length = GetEnvironmentVariableW(L"QH_WINE_TIME_FACTOR", text, 16);
    if (length == 0 || length >= 16) {
        return 1;
    }
    wchar_t* end = nullptr;
    unsigned long factor = std::wcstoul(text, &end, 10);
    if (end == text || *end != L'\0' || factor < 1 || factor > kLargestFactor) {
        return 1;
    }
    return static_cast<DWORD>(factor);
}

}  // namespace

DWORD TimeFactor() {
    static const DWORD factor = ReadTimeFactor();
    return factor;
}

DWORD Scaled(DWORD milliseconds) {
    return milliseconds * TimeFactor();
}

}  // namespace winetest
