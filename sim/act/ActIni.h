// The simulated ACT!'s state as a text file (act.ini): the world folder of the Linux program
// keeps it, and the stand-in ACT! of the Wine tests is set up from it.
//
//   [ACT]
//   running=yes                       yes/no; only a running ACT! shows its main window
//   window.class=ACT3.0FrameClass     its main window: class, caption, visibility
//   window.caption=ACT! - Kundenmanager
//   window.visible=yes
//   window.minimised=no
//   version=6.0                       what GetVersion gives
//   database=C:\ACT\Daten\Kunden.dbf  the open database; empty for none
//   user.id=ADMIN
//   user.name=Anna Berger
//   view.type=1                       type of the active view (1 contacts, 3 groups)
//   view.field=0                      field of the active view that has the focus
//   closedb.result=0                  what CloseDB gives; not 0: the database stays open
//   fault.App.GetVersion=70 Zugriff verweigert
//                                     the member (Object.Member, spelt as ACT! names it)
//                                     raises this error number and description on every call
//   result.ContactView.GetField=R8 0.4
//                                     the member gives this result, in the form a server
//                                     hands it over (any VARIANT type; see RawResultText.h)
//   creation.fault=429 Text           the creation of the application object raises it
//   nothing.views=2                   Views gives nothing for the next 2 calls; likewise
//   nothing.activeview=2              GetActive, Create(1, 2) and Create(3, 2)
//   nothing.contactview=2
//   nothing.groupview=2
//   busy=3000                         ACT! is busy: it rejects every call, and the creation of
//                                     its application object, for 3000 ms from the first call
//                                     it rejects; "never" for ever
//   busy.App.CloseDB=3000             likewise, calls to that member only
//   delay.App.OpenDB=1500             the member takes 1500 ms before it answers; "never": it
//                                     never answers; delay.App.Release: the object's last
//                                     release takes that long; delay.App.Release.5: only
//                                     that of the fifth object made
//   crash.App.CloseDB=yes             ACT!'s process ends inside the member (a crash, or the
//                                     user ending it): the call fails, and every later one
//   window.delay=2000                 after a start, the main window shows 2000 ms later
//   [Contact]                         one section per contact, in lookup order
//   id=K1                             field 1, the contact's identifier
//   2=Meier GmbH                      further fields by number
//   [Group]                           one section per group
//   id=G1
//   25=Kunden                         field 25, the group's name
//   members=K1,K2                     contact identifiers
//
// The file is UTF-8; lines starting with # or ; are comments; unknown sections, keys and lines
// without "=" are skipped, and a number or yes/no that cannot be read keeps the setting's
// default. Sections without an id are dropped. Knobs left at their defaults are not written.
#pragma once

#include <istream>
#include <ostream>

#include "ActState.h"

namespace platform::actmodel {

// Reads the file into the state: settings overwrite, contacts and groups are added at the end
// of ACT!'s lookups. Never fails on what the file holds.
void ReadActIni(std::istream& in, ActState& state);

// Writes the state in the form ReadActIni reads.
void WriteActIni(std::ostream& out, const ActState& state);

}  // namespace platform::actmodel
