// The name of the run lock: a mutex of the user's session that one run of the program holds at
// a time. Runs of every build, 32-bit and 64-bit, share it.
#pragma once

namespace platform::win32 {

inline constexpr wchar_t kRunLockName[] = L"Local\\Quendelhof.Programmlauf";

}  // namespace platform::win32
