// The automation objects of the simulated ACT!: the dispatch shell. It finds a member by its
// name (without regard to case), journals the call, plays the knobs of the state (faults, busy
// and slow members, slow releases, crashes, results given instead of the member's own, in the
// form a server hands them over) and leaves what the member does to ACT!'s records
// (ActRecords.h).
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "ActState.h"
#include "platform/Automation.h"

namespace platform::actmodel {

enum class ObjectKind { Application, ViewCollection, ActiveView, ContactView, GroupView, Status };

// Makes an object of the kind on the state and notes its creation in the journal.
ObjectRef MakeObject(const std::shared_ptr<ActState>& state, ObjectKind kind);

// Calls a member as AutomationObject::Invoke does; a result set for it in ActState::rawResults
// comes back in `raw` as it is, for a server that hands it over unconverted, and the returned
// value is then empty. Any other object is simply invoked.
Variant InvokeKeepingRaw(AutomationObject& object, const Text& member, CallKind kind,
                         const std::vector<Argument>& args, std::optional<RawResult>& raw);

}  // namespace platform::actmodel
