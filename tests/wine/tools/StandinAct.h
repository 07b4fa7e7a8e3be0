// The stand-in ACT! 6 (qh_actstandin.exe) as the scenarios use it: installed as ACT.EXE into a
// folder with its set-up file, started by the test or found after the shell started it, read
// through its journal and ended cleanly by closing its main window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "TimeFactor.h"
#include "platform/win32/Handles.h"

namespace winetest {

class StandinAct {
  public:
    // folder: where ACT.EXE and the stand-in's files live.
    explicit StandinAct(std::wstring folder);
    StandinAct(const StandinAct&) = delete;
    StandinAct& operator=(const StandinAct&) = delete;
    // Ends the stand-in if it still runs.
    ~StandinAct();

    // Copies the stand-in's executable (standinExe) as ACT.EXE into the folder, made if needed,
    // and writes its set-up file (act.ini, UTF-8). False when that fails.
    bool Install(const std::wstring& standinExe, const std::wstring& setup);
    std::wstring Program() const { return folder_ + L"\\ACT.EXE"; }
    const std::wstring& Folder() const { return folder_; }

    // Starts ACT.EXE with the argument and waits until its classes are registered (in the
    // registry, by the stand-in itself, and with COM).
    bool Start(const std::wstring& argument = std::wstring());
    // Waits until a stand-in that someone else started is ready, and takes hold of it.
    bool WaitUntilReady(DWORD timeLimitMs = Scaled(10000));
    bool Running() const;
    // Asks the stand-in to end (WM_CLOSE to its main window) and waits for it; ends it by force
    // when it does not (and says so with false).
    bool Stop(DWORD timeLimitMs = Scaled(10000));
    DWORD ExitCode() const { return exitCode_; }

    // The journal's lines: "commandline ...", the model's entries, "layouts ...", "stopped".
    std::vector<std::wstring> Journal() const;
    // The set-up file form of its state when it ended (empty before).
    std::wstring FinalState() const;

  private:
    std::wstring folder_;
    platform::win32::KernelHandle process_;
    HWND window_ = nullptr;
    DWORD exitCode_ = STILL_ACTIVE;
};

// A file's text, read as UTF-8 (empty when it cannot be read).
std::wstring ReadUtf8File(const std::wstring& path);
bool WriteUtf8File(const std::wstring& path, const std::wstring& text);

}  // namespace winetest
