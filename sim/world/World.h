// The world folder of the Linux program: the simulated desktop kept on disk between runs.
//
//   drives/<letter>/   the files of that drive (drives/c holds C:\)
//   answers.txt        answers for message boxes when no terminal is attached, one a line:
//                      OK, Ja/Yes or Nein/No; each run uses up the answers it needs
//   act.ini            the simulated ACT! 6 (without it ACT! is not running); written back
//                      after each run, so that a database opened by one run is open in the
//                      next. Its form is described in sim/act/ActIni.h.
//   registry.reg       the simulated registry (HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE) in the
//                      text form of a registry file (see RegFile.h); written back after the
//                      run when it existed or the registry holds a key
//   clipboard.txt      the text on the clipboard (UTF-8); written when a run put text on it
#pragma once

#include <filesystem>

namespace platform::sim {

// Sets up the simulated desktop from the world folder (what is missing stays at its start).
void LoadWorld(const std::filesystem::path& folder);

// Writes back what a run may have changed.
void SaveWorld(const std::filesystem::path& folder);

}  // namespace platform::sim
