// The automation objects of the simulated ACT!.
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
