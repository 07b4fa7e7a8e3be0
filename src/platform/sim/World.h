// The world folder of the Linux program: the simulated desktop kept on disk between runs.
//
//   drives/<letter>/   the files of that drive (drives/c holds C:\)
//   answers.txt        answers for message boxes when no terminal is attached, one a line:
//                      OK, Ja/Yes or Nein/No; each run uses up the answers it needs
//   act.ini            the simulated ACT! 6 (without it ACT! is not running); written back
//                      after each run, so that a database opened by one run is open in the next:
//
//       [ACT]
//       running=yes                       yes/no; only a running ACT! shows its main window
//       window.class=ACT3.0FrameClass     its main window: class, caption, visibility
//       window.caption=ACT! - Kundenmanager
//       window.visible=yes
//       window.minimised=no
//       version=6.0                       what GetVersion gives
//       database=C:\ACT\Daten\Kunden.dbf  the open database; empty for none
//       user.id=ADMIN
//       user.name=Anna Berger
//       view.type=1                       type of the active view (1 contacts, 3 groups)
//       view.field=0                      field of the active view that has the focus
//       closedb.result=0                  what CloseDB gives; not 0: the database stays open
//       [Contact]                         one section per contact, in lookup order
//       id=K1                             field 1, the contact's identifier
//       2=Meier GmbH                      further fields by number
//       [Group]                           one section per group
//       id=G1
//       25=Kunden                         field 25, the group's name
//       members=K1,K2                     contact identifiers
//
//   The file is UTF-8; lines starting with # or ; are comments; unknown sections, keys and
//   lines without "=" are skipped, and a number or yes/no that cannot be read keeps the
//   setting's default. Sections without an id are dropped.
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
