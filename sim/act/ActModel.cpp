#include "ActModel.h"

#include "ActObjects.h"
#include "platform/core/Failure.h"

namespace platform::actmodel {

ActModel::ActModel() : state_(std::make_shared<ActState>()) {}

bool RejectsCall(ActState& state, const Text& key) {
    auto inSpell = [&state](BusySpell& spell) {
        std::uint32_t now = state.clock ? state.clock() : 0;
        if (!spell.since) {
            spell.since = now;
        }
        return spell.forMs == kNever ||
               static_cast<std::int64_t>(static_cast<std::uint32_t>(now - *spell.since)) <
                   spell.forMs;
    };
    bool rejected = state.busy && inSpell(*state.busy);
    if (!rejected && !key.empty()) {
        auto member = state.busyMembers.find(key);
        rejected = member != state.busyMembers.end() && inSpell(member->second);
    }
    if (rejected) {
        ++state.rejectedCalls;
    }
    return rejected;
}

ObjectRef ActModel::CreateApplication() {
    if (state_->gone) {
        throw ServerGone(Failure(kServerDisconnected, kServerDisconnectedDescription));
    }
    if (state_->busy && RejectsCall(*state_, Text())) {
        throw ServerBusy(Failure(429, L"ActiveX component can't create object"));
    }
    if (state_->creationFault) {
        Fault fault = *state_->creationFault;
        if (fault.times > 0 && --state_->creationFault->times == 0) {
            state_->creationFault.reset();
        }
        throw Failure(fault.number, fault.description);
    }
    if (!state_->running) {
        throw Failure(429, L"ActiveX component can't create object");
    }
    return MakeObject(state_, ObjectKind::Application);
}

ObjectRef ActModel::CreateStatusObject() {
    return MakeObject(state_, ObjectKind::Status);
}

Text ActModel::AddContact(const Text& id, const std::map<std::int32_t, Text>& fields) {
    Contact contact{id, fields};
    contact.fields.erase(1);
    state_->contacts.push_back(contact);
    state_->contactLookup.push_back(id);
    return id;
}

Text ActModel::AddGroup(const Text& id, const Text& name) {
    Group group{id, {{25, name}}, {}};
    state_->groups.push_back(group);
    state_->groupLookup.push_back(id);
    return id;
}

std::vector<Text> ActModel::JournalLines() const {
    std::vector<Text> lines;
    lines.reserve(state_->journal.size());
    for (const JournalEntry& entry : state_->journal) {
        lines.push_back(RenderJournalEntry(entry));
    }
    return lines;
}

}  // namespace platform::actmodel
