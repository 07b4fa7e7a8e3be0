// The simulated ACT! 6: an object model of ACT!'s automation server with state that tests set
// and read, knobs for faults and a journal of every call.
//
// The model depends only on the platform layer's value types: its objects are
// platform::AutomationObject implementations, called by member name with platform::Argument
// lists. The simulated desktop serves it under the ProgID "ACTOLE.APPOBJECT"; a COM server can
// serve the same objects by mapping names to dispatch identifiers, VARIANT arguments to
// Arguments (VT_BYREF to byReference) and returned ObjectRefs to IDispatch pointers.
//
// Members (names matched without regard to case; a member the object does not have raises 438,
// a wrong number of arguments 450, an argument of the wrong kind 13):
//   App:         Views, GetOpenDBName(), GetVersion(1), OpenDB(path), CloseDB(), GetUserId(),
//                GetCurrentUserName()
//   Views:       GetActive(), Create(type, 2) with type 1 (contact view) or 3 (group view);
//                any other type raises 5
//   ActiveView:  Type, CurrentFieldId
//   ContactView: GetCurrentID(), GetCount(), GetField(n), SetField(n, value), MoveFirst(),
//                MoveNext(), LookupAll(), AddNewContact(), CreateLookup(ids), GoTo(id),
//                AddContactToGroup(groupId)
//   GroupView:   GetCurrentID(), GetCount(), GetField(n), SetField(n, value), MoveFirst(),
//                MoveNext(), LookupAll(), LookupFieldEx(field, value, lookup), GoTo(id),
//                DeleteGroupFast(), AddNew(), AddMemberToGroup(contactId), SetActiveTab(name)
//   Status:      (no members) its default property takes a progress text
// Views share ACT!'s current lookups and positions. Identifiers come out padded with blanks to
// 12 characters and are compared in that form; CreateLookup reads its list in pieces of 12.
// Members that report success give the 32-bit 0, failure 1; GetField of a position past the
// end gives an empty value. AddContactToGroup adds the current contact to the group of the
// given identifier, AddMemberToGroup the contact of the given identifier to the current group.
// A busy ACT! rejects calls with ServerBusy (kCallRejected) before they reach the journal (a
// default property put as "Object.PutDefault"); a slow member takes its time
// (ActState::takeTime) after it is journalled, before it acts, and a slow release ("App.Release")
// after the release is journalled. A member in which ACT! crashes ends ACT!'s process
// (ActState::endProcess) after it is journalled, and that call and every later one fail with
// ServerGone (kServerDisconnected).
// Finding a record by its identifier takes constant time, so walks over a million contacts stay
// linear; for such runs ActState::recording switches the journal off.
#pragma once

#include <memory>
#include <vector>

#include "ActState.h"
#include "platform/Automation.h"

namespace platform::actmodel {

class ActModel {
  public:
    ActModel();

    ActState& State() { return *state_; }
    const ActState& State() const { return *state_; }

    // What activating the server gives: a new application object. While ACT! is not running
    // the activation fails with 429, as for a server that cannot start; the creation fault, when
    // set, is raised instead. While ACT! is busy with every call it is rejected (ServerBusy);
    // once it has crashed (ActState::gone) it fails with ServerGone, as a server whose
    // registration outlived its process.
    ObjectRef CreateApplication();

    // An object whose default property takes a text (into statusTexts), as a caller's progress
    // display would.
    ObjectRef CreateStatusObject();

    // Adds a contact (at the end of the current lookup) and returns its identifier.
    Text AddContact(const Text& id, const std::map<std::int32_t, Text>& fields = {});
    // Adds a group with this name (at the end of the current group lookup).
    Text AddGroup(const Text& id, const Text& name);

    // The journal, one line per entry, e.g. "create App", "App.GetVersion(I2 1)",
    // "call App.OpenDB(BSTR& \"C:\\K.dbf\")", "put Status(BSTR \"...\")", "release App".
    // "call" marks a call whose result is dropped.
    std::vector<Text> JournalLines() const;
    void ClearJournal() { state_->journal.clear(); }

  private:
    // Shared with the objects, which may outlive the model.
    std::shared_ptr<ActState> state_;
};

// One journal entry as a line.
Text RenderJournalEntry(const JournalEntry& entry);

// Whether a busy ACT! rejects a call that arrives now: any call while the spell of every call
// lasts, and with a key ("Object.Member") a call to that member while its own spell lasts. The
// first call a spell covers starts it; a rejected call is counted.
bool RejectsCall(ActState& state, const Text& key);

}  // namespace platform::actmodel
