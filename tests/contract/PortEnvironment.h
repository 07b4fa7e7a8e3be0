// What a contract test of the port needs around it, made by each backend's own means: the
// simulated desktop's set-up functions, or the real system in a scratch place (a fresh temp
// folder, a scratch key under HKEY_CURRENT_USER\Software, windows of the test process itself).
// The tests drive the port; the environment only sets up and looks on.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/core/Types.h"

namespace portcontract {

using platform::Handle32;
using platform::Text;

enum class WindowState { Visible, Hidden, Minimised };

// A registry value as the ANSI functions see it: its type and raw bytes.
struct StoredValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> bytes;
    friend bool operator==(const StoredValue&, const StoredValue&) = default;
};

class Environment {
  public:
    virtual ~Environment() = default;

    // Around each test: a fresh scratch place, and everything of it gone afterwards.
    virtual void Begin() = 0;
    virtual void End() = 0;

    // True where the Windows backend runs under Wine (see WineDifferences.h).
    virtual bool RunsUnderWine() const = 0;

    // Makes the code page the system's ANSI code page for the rest of the test; it must be one
    // of CodePagesHere().
    virtual void UseCodePage(std::uint32_t codePage) = 0;

    // Files below the scratch folder; paths are Windows paths, relative ones below it.
    virtual Text ScratchFolder() const = 0;
    virtual Text MakeFolder(const Text& relativePath) = 0;
    virtual Text MakeFile(const Text& relativePath) = 0;

    // The scratch key's path below a root (the same below both roots; below
    // HKEY_LOCAL_MACHINE, which only the rows about the registry's views use, Windows lets only
    // an administrator write, Wine everyone); values are written and read in the view the port
    // works in (the 32-bit one) unless said otherwise.
    virtual Text ScratchKey() const = 0;
    virtual void PutValue(Handle32 root, const Text& subKey, const Text& name,
                          const StoredValue& value) = 0;
    // Writes into the 64-bit view alone, where there is one (HKEY_LOCAL_MACHINE\Software of a
    // 64-bit Windows); the simulated registry has no such view, and the value goes nowhere.
    virtual void PutValueIn64BitViewOnly(Handle32 root, const Text& subKey, const Text& name,
                                         const StoredValue& value) = 0;
    virtual std::optional<StoredValue> ValueOf(Handle32 root, const Text& subKey,
                                               const Text& name) = 0;
    virtual bool KeyExists(Handle32 root, const Text& subKey) = 0;

    // Top-level windows of a class with a caption, gone at End.
    virtual Handle32 MakeWindow(const Text& className, const Text& caption, WindowState state) = 0;
    virtual void DestroyWindow(Handle32 window) = 0;

    // The clipboard as another program sees it.
    virtual void PutOnClipboard(const Text& text) = 0;
    virtual std::optional<Text> ClipboardText() = 0;
    // Another program opens the clipboard and keeps it open (true), or lets it go (false).
    virtual void HoldClipboard(bool held) = 0;

    // The run lock as another run sees it.
    virtual bool RunLockFree() = 0;
    // Another run holds the lock and gives it back after the milliseconds.
    virtual void HoldRunLockFor(std::uint32_t milliseconds) = 0;
    // Another run took the lock and ended without giving it back.
    virtual void AbandonRunLock() = 0;
};

// The backend's environment.
Environment& TheEnvironment();

// The ANSI code pages the backend runs its tests under: all that the simulated desktop has, the
// one of the process on Windows (its other code pages run in programs of their own).
std::vector<std::uint32_t> CodePagesHere();

}  // namespace portcontract
