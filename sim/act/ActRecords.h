// ACT!'s records behind the simulated automation objects: what each member of each object does
// with the contacts, groups, lookups and the open database of the state, once the dispatch
// shell (ActObjects.cpp) has found the member, journalled the call and played its knobs.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "ActObjects.h"
#include "ActState.h"

namespace platform::actmodel {

class ActRecords {
  public:
    explicit ActRecords(std::shared_ptr<ActState> state);
    ~ActRecords();
    ActRecords(const ActRecords&) = delete;
    ActRecords& operator=(const ActRecords&) = delete;

    // A new call: an identifier index that misses may be built again (once per call).
    void BeginCall();

    // Carries out the member (named as ACT! spells it) of an object of the kind. A wrong number
    // of arguments raises 450, an argument of the wrong kind 13, a view type ACT! has not 5;
    // members that make objects (Views, GetActive, Create) make them with MakeObject.
    Variant Perform(ObjectKind kind, std::wstring_view member, const std::vector<Argument>& args);

  private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace platform::actmodel
