#include "ActObjects.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ActModel.h"
#include "ActRecords.h"
#include "platform/core/Failure.h"
#include "platform/core/TextUtil.h"

namespace platform::actmodel {

namespace {

constexpr std::int32_t kNoSuchMember = 438;

const wchar_t* ObjectName(ObjectKind kind) {
    switch (kind) {
        case ObjectKind::Application:
            return L"App";
        case ObjectKind::ViewCollection:
            return L"Views";
        case ObjectKind::ActiveView:
            return L"ActiveView";
        case ObjectKind::ContactView:
            return L"ContactView";
        case ObjectKind::GroupView:
            return L"GroupView";
        case ObjectKind::Status:
            return L"Status";
    }
    return L"?";
}

std::span<const std::wstring_view> MembersOf(ObjectKind kind) {
    static constexpr std::wstring_view kApplication[] = {
        L"Views",   L"GetOpenDBName", L"GetVersion",        L"OpenDB",
        L"CloseDB", L"GetUserId",     L"GetCurrentUserName"};
    static constexpr std::wstring_view kViewCollection[] = {L"GetActive", L"Create"};
    static constexpr std::wstring_view kActiveView[] = {L"Type", L"CurrentFieldId"};
    static constexpr std::wstring_view kContactView[] = {
        L"GetCurrentID", L"GetCount", L"GetField",         L"SetField",
        L"MoveFirst",    L"MoveNext", L"LookupAll",        L"AddNewContact",
        L"CreateLookup", L"GoTo",     L"AddContactToGroup"};
    static constexpr std::wstring_view kGroupView[] = {
        L"GetCurrentID", L"GetCount",         L"GetField",      L"SetField", L"MoveFirst",
        L"MoveNext",     L"LookupAll",        L"LookupFieldEx", L"GoTo",     L"DeleteGroupFast",
        L"AddNew",       L"AddMemberToGroup", L"SetActiveTab"};
    switch (kind) {
        case ObjectKind::Application:
            return kApplication;
        case ObjectKind::ViewCollection:
            return kViewCollection;
        case ObjectKind::ActiveView:
            return kActiveView;
        case ObjectKind::ContactView:
            return kContactView;
        case ObjectKind::GroupView:
            return kGroupView;
        case ObjectKind::Status:
            break;
    }
    return {};
}

RecordedArgument Recorded(const Argument& argument) {
    RecordedArgument recorded;
    recorded.byReference = argument.byReference;
    const Variant& value = argument.value;
    if (const auto* text = std::get_if<Text>(&value)) {
        recorded.type = L"BSTR";
        recorded.value = *text;
    } else if (const auto* i2 = std::get_if<std::int16_t>(&value)) {
        recorded.type = L"I2";
        recorded.value = std::to_wstring(*i2);
    } else if (const auto* i4 = std::get_if<std::int32_t>(&value)) {
        recorded.type = L"I4";
        recorded.value = std::to_wstring(*i4);
    } else if (const auto* bytes = std::get_if<ByteArray>(&value)) {
        recorded.type = L"BYTES";
        recorded.value = std::to_wstring(bytes->bytes.size());
    } else if (std::holds_alternative<ObjectRef>(value)) {
        recorded.type = L"OBJ";
    } else if (IsNull(value)) {
        recorded.type = L"NULL";
    } else {
        recorded.type = L"EMPTY";
    }
    return recorded;
}

class ModelObject final : public AutomationObject {
  public:
    ModelObject(std::shared_ptr<ActState> state, ObjectKind kind)
        : state_(std::move(state)), kind_(kind), serial_(++state_->objectsMade), records_(state_) {
        Note(JournalEvent::Create);
    }

    ~ModelObject() override {
        try {
            Note(JournalEvent::Release);
            // The release of this one object of the run ("App.Release.5"), else of every one.
            const Text release = Text(ObjectName(kind_)) + L".Release";
            auto delay = state_->delays.find(release + L"." + std::to_wstring(serial_));
            if (delay == state_->delays.end()) {
                delay = state_->delays.find(release);
            }
            if (delay != state_->delays.end() && state_->takeTime) {
                state_->takeTime(delay->second);
            }
        } catch (...) {
            // A release never fails; the journal may miss the entry when memory ran out, and a
            // release that never returns is told by how its server takes time.
        }
    }

    ModelObject(const ModelObject&) = delete;
    ModelObject& operator=(const ModelObject&) = delete;

    Variant Invoke(const Text& member, CallKind kind, const std::vector<Argument>& args) override {
        std::optional<RawResult> raw;
        Variant result = Call(member, kind, args, raw);
        return raw ? FromRawVariant(raw->value) : result;
    }

    Variant Call(const Text& member, CallKind kind, const std::vector<Argument>& args,
                 std::optional<RawResult>& raw) {
        std::wstring_view canonical;
        for (std::wstring_view name : MembersOf(kind_)) {
            if (EqualsIgnoringCase(name, member)) {
                canonical = name;
            }
        }
        if (state_->gone) {
            throw ServerGone(Failure(kServerDisconnected, kServerDisconnectedDescription));
        }
        const bool busyOrSlow =
            state_->busy || !state_->busyMembers.empty() || !state_->delays.empty();
        const Text timedKey = busyOrSlow && !canonical.empty()
                                  ? Text(ObjectName(kind_)) + L"." + Text(canonical)
                                  : Text();
        if (busyOrSlow && RejectsCall(*state_, timedKey)) {
            throw ServerBusy(Failure(kCallRejected, kCallRejectedDescription));
        }
        if (state_->recording) {
            JournalEntry entry = Entry(JournalEvent::Call);
            entry.member = member;
            entry.kind =
                kind == CallKind::Method ? JournalCallKind::Method : JournalCallKind::MethodOrGet;
            for (const Argument& argument : args) {
                entry.args.push_back(Recorded(argument));
            }
            state_->journal.push_back(std::move(entry));
        }
        records_.BeginCall();

        if (canonical.empty()) {
            throw Failure(kNoSuchMember, L"Object doesn't support this property or method");
        }
        if (busyOrSlow) {
            auto delay = state_->delays.find(timedKey);
            if (delay != state_->delays.end() && state_->takeTime) {
                state_->takeTime(delay->second);
            }
        }
        if (!state_->crashes.empty() &&
            state_->crashes.count(Text(ObjectName(kind_)) + L"." + Text(canonical)) != 0) {
            state_->gone = true;
            if (state_->endProcess) {
                state_->endProcess();
            }
            throw ServerGone(Failure(kServerDisconnected, kServerDisconnectedDescription));
        }
        bool knobsSet = !state_->faults.empty() || !state_->resultOverrides.empty() ||
                        !state_->rawResults.empty();
        Text key = knobsSet ? Text(ObjectName(kind_)) + L"." + Text(canonical) : Text();
        if (knobsSet) {
            RaiseFaultOf(key);
        }
        Variant result = records_.Perform(kind_, canonical, args);
        if (knobsSet) {
            auto overridden = state_->resultOverrides.find(key);
            if (overridden != state_->resultOverrides.end()) {
                result = overridden->second;
            }
            auto given = state_->rawResults.find(key);
            if (given != state_->rawResults.end()) {
                raw = given->second;
                result = Empty();
            }
        }
        return result;
    }

    void PutDefault(const Variant& value) override {
        if (state_->gone) {
            throw ServerGone(Failure(kServerDisconnected, kServerDisconnectedDescription));
        }
        if ((state_->busy || !state_->busyMembers.empty()) &&
            RejectsCall(*state_, Text(ObjectName(kind_)) + L".PutDefault")) {
            throw ServerBusy(Failure(kCallRejected, kCallRejectedDescription));
        }
        if (state_->recording) {
            JournalEntry entry = Entry(JournalEvent::Call);
            entry.kind = JournalCallKind::PutDefault;
            entry.args.push_back(Recorded(Argument{value, false}));
            state_->journal.push_back(std::move(entry));
        }
        if (kind_ != ObjectKind::Status) {
            throw Failure(kNoSuchMember, L"Object doesn't support this property or method");
        }
        RaiseFaultOf(L"Status.");
        Text text = VariantToText(value);
        ++state_->statusWrites;
        if (state_->recording) {
            state_->statusTexts.push_back(text);
        }
        state_->lastStatusText = std::move(text);
    }

  private:
    JournalEntry Entry(JournalEvent event) const {
        JournalEntry entry;
        entry.event = event;
        entry.object = ObjectName(kind_);
        entry.serial = serial_;
        return entry;
    }

    void Note(JournalEvent event) {
        if (state_->recording) {
            state_->journal.push_back(Entry(event));
        }
    }

    void RaiseFaultOf(const Text& key) {
        auto fault = state_->faults.find(key);
        if (fault == state_->faults.end()) {
            return;
        }
        Failure failure(fault->second.number, fault->second.description);
        if (fault->second.times > 0 && --fault->second.times == 0) {
            state_->faults.erase(fault);
        }
        throw failure;
    }

    std::shared_ptr<ActState> state_;
    ObjectKind kind_;
    int serial_;
    ActRecords records_;
};

}  // namespace

ObjectRef MakeObject(const std::shared_ptr<ActState>& state, ObjectKind kind) {
    return std::make_shared<ModelObject>(state, kind);
}

Variant InvokeKeepingRaw(AutomationObject& object, const Text& member, CallKind kind,
                         const std::vector<Argument>& args, std::optional<RawResult>& raw) {
    raw.reset();
    if (auto* model = dynamic_cast<ModelObject*>(&object)) {
        return model->Call(member, kind, args, raw);
    }
    return object.Invoke(member, kind, args);
}

}  // namespace platform::actmodel
