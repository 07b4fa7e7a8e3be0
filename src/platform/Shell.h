// The Windows shell and processes, through the ANSI forms. Texts are converted to the system's
// ANSI code page; a text that is std::nullopt is passed as a null pointer. Refusals come back
// as result codes; the functions throw only failure 7 when memory runs out while a text is
// converted (and the simulated shell when a test asks it to).
#pragma once

#include <cstdint>
#include <optional>

#include "core/Types.h"

namespace platform {

using OptionalText = std::optional<Text>;

inline constexpr std::uint32_t kSeeMaskNoCloseProcess = 0x40;
inline constexpr std::uint32_t kSeeMaskDoEnvSubst = 0x200;
inline constexpr std::uint32_t kSeeMaskFlagNoUi = 0x400;
inline constexpr std::uint32_t kShellExecuteInfoSize = 60;  // the 32-bit record's size

inline constexpr std::int32_t kSwHide = 0;
inline constexpr std::int32_t kSwShowDefault = 10;

inline constexpr std::uint32_t kStillActive = 259;

// The SHELLEXECUTEINFOA record; the fields the program does not use stay 0 or null.
struct ShellExecuteInfoA {
    // The record's size as the program states it (the 32-bit record's 60 bytes); the Windows
    // backend hands the system a record of its own build's size.
    std::uint32_t cbSize = 0;
    std::uint32_t fMask = 0;
    Handle32 hwnd = 0;
    OptionalText lpVerb;
    OptionalText lpFile;
    OptionalText lpParameters;
    OptionalText lpDirectory;
    std::int32_t nShow = 0;
    Handle32 hInstApp = 0;  // out: above 32 for success, else the shell's error code
    Handle32 hProcess = 0;  // out: with kSeeMaskNoCloseProcess, the started process or 0
};

// Asks the shell to do the verb (null: the default verb) with the file. The result is above
// 32 for success, otherwise the shell's error code (0 to 32), such as 2 for a missing file.
[[nodiscard]] Handle32 ShellExecuteA(Handle32 hwnd, const OptionalText& verb,
                                     const OptionalText& file, const OptionalText& parameters,
                                     const OptionalText& directory, std::int32_t showCmd);

// Asks the shell to carry out the record; fills hInstApp and hProcess. Returns non-zero on
// success. A process handle that it hands out stays open for the rest of the run.
[[nodiscard]] std::int32_t ShellExecuteExA(ShellExecuteInfoA& info);

// Reads the exit code of the process, kStillActive while it runs. Non-zero when it was read.
[[nodiscard]] std::int32_t GetExitCodeProcess(Handle32 process, std::uint32_t* exitCode);

// The desktop window's handle.
Handle32 GetDesktopWindow();

}  // namespace platform
