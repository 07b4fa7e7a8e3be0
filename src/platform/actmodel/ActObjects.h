// The automation objects of the simulated ACT!.
#pragma once

#include <memory>

#include "ActState.h"
#include "platform/Automation.h"

namespace platform::actmodel {

enum class ObjectKind { Application, ViewCollection, ActiveView, ContactView, GroupView, Status };

// Makes an object of the kind on the state and notes its creation in the journal.
ObjectRef MakeObject(const std::shared_ptr<ActState>& state, ObjectKind kind);

}  // namespace platform::actmodel
