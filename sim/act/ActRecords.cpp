#include "ActRecords.h"

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/core/Failure.h"

namespace platform::actmodel {

namespace {

constexpr std::int32_t kDone = 0;
constexpr std::int32_t kRefused = 1;
constexpr std::int32_t kWrongArgumentCount = 450;

// The arguments of one call, taken as the member needs them.
class Arguments {
  public:
    explicit Arguments(const std::vector<Argument>& args) : args_(args) {}

    void Expect(std::size_t count) const {
        if (args_.size() != count) {
            throw Failure(kWrongArgumentCount,
                          L"Wrong number of arguments or invalid property assignment");
        }
    }
    Text TextAt(std::size_t index) const { return VariantToText(args_.at(index).value); }
    std::int32_t LongAt(std::size_t index) const { return VariantToLong(args_.at(index).value); }

  private:
    const std::vector<Argument>& args_;
};

// Finds records by their padded identifier without walking the list, so that a walk over a
// lookup in another order than the records' stays linear in its length. Tests may change the
// records directly; the index is built again when the number of records changed, or when it
// misses or points at a record whose identifier is no longer the one wanted (at most once per
// call, see BeginCall). Among records with the same identifier the first one counts.
template <typename Record>
class IdIndex {
  public:
    // A new call of a member: a miss may build the index again.
    void BeginCall() { builtInThisCall_ = false; }

    Record* Find(std::vector<Record>& records, const Text& id) {
        Text wanted = PaddedId(id);
        if (builtFor_ == records.size()) {
            if (Record* found = Lookup(records, wanted)) {
                return found;
            }
            if (builtInThisCall_) {
                return nullptr;
            }
        }
        Build(records);
        return Lookup(records, wanted);
    }

  private:
    Record* Lookup(std::vector<Record>& records, const Text& wanted) const {
        auto found = positions_.find(wanted);
        if (found == positions_.end() || found->second >= records.size() ||
            PaddedId(records[found->second].id) != wanted) {
            return nullptr;
        }
        return &records[found->second];
    }

    void Build(const std::vector<Record>& records) {
        positions_.clear();
        positions_.reserve(records.size());
        for (std::size_t i = 0; i < records.size(); ++i) {
            positions_.try_emplace(PaddedId(records[i].id), i);
        }
        builtFor_ = records.size();
        builtInThisCall_ = true;
    }

    std::unordered_map<Text, std::size_t> positions_;
    std::size_t builtFor_ = static_cast<std::size_t>(-1);
    bool builtInThisCall_ = false;
};

// A lookup of identifiers with a position, over a list of records.
template <typename Record>
struct Cursor {
    std::vector<Record>& records;
    std::vector<Text>& lookup;
    std::size_t& position;
    IdIndex<Record>& index;

    // The record at the lookup's position. A lookup of all records has them in the records'
    // order, so the record at the same place is tried first: identifiers are unique in ACT!.
    Record* Current() const {
        if (position >= lookup.size()) {
            return nullptr;
        }
        const Text& id = lookup[position];
        if (position < records.size() && SamePaddedId(records[position].id, id)) {
            return &records[position];
        }
        return index.Find(records, id);
    }
    void LookupAll() const {
        lookup.clear();
        lookup.reserve(records.size());
        for (const Record& record : records) {
            lookup.push_back(record.id);
        }
        position = 0;
    }
    std::int32_t GoTo(const Text& id) const {
        Text wanted = PaddedId(id);
        for (std::size_t i = 0; i < lookup.size(); ++i) {
            if (PaddedId(lookup[i]) == wanted) {
                position = i;
                return kDone;
            }
        }
        return kRefused;
    }
    void MoveNext() const {
        if (position < lookup.size()) {
            ++position;
        }
    }
    std::int32_t Count() const { return static_cast<std::int32_t>(lookup.size()); }
};

}  // namespace

class ActRecords::Impl {
  public:
    explicit Impl(std::shared_ptr<ActState> state) : state_(std::move(state)) {}

    void BeginCall() {
        contactIndex.BeginCall();
        groupIndex.BeginCall();
    }

    // Gives nothing while the counter runs, else a new object of the kind.
    Variant ObjectOrNothing(int& nothingCounter, ObjectKind kind) {
        if (nothingCounter > 0) {
            --nothingCounter;
            return ObjectRef();
        }
        return MakeObject(state_, kind);
    }

    Cursor<Contact> Contacts() {
        return {state_->contacts, state_->contactLookup, state_->contactPosition, contactIndex};
    }
    Cursor<Group> Groups() {
        return {state_->groups, state_->groupLookup, state_->groupPosition, groupIndex};
    }

    Text NewId(const wchar_t* prefix) {
        Text number = std::to_wstring(++state_->idsMade);
        return prefix + Text(8 - std::min<std::size_t>(8, number.size()), L'0') + number;
    }

    Variant Perform(ObjectKind kind, std::wstring_view member, const Arguments& args) {
        switch (kind) {
            case ObjectKind::Application:
                return Application(member, args);
            case ObjectKind::ViewCollection:
                return ViewCollection(member, args);
            case ObjectKind::ActiveView:
                args.Expect(0);
                return member == L"Type" ? state_->activeViewType : state_->currentFieldId;
            case ObjectKind::ContactView:
                return ContactView(member, args);
            case ObjectKind::GroupView:
                return GroupView(member, args);
            case ObjectKind::Status:
                break;
        }
        return Empty();
    }

    Variant Application(std::wstring_view member, const Arguments& args) {
        ActState& s = *state_;
        if (member == L"Views") {
            args.Expect(0);
            return ObjectOrNothing(s.viewsNothing, ObjectKind::ViewCollection);
        }
        if (member == L"GetVersion") {
            args.Expect(1);
            args.LongAt(0);
            return s.version;
        }
        if (member == L"OpenDB") {
            args.Expect(1);
            s.openDatabase = args.TextAt(0);
            return kDone;
        }
        args.Expect(0);
        if (member == L"CloseDB") {
            if (s.closeDbResult == 0) {
                s.openDatabase.clear();
            }
            return s.closeDbResult;
        }
        if (member == L"GetUserId") {
            return s.userId;
        }
        if (member == L"GetCurrentUserName") {
            return s.userName;
        }
        return s.openDatabase;  // GetOpenDBName
    }

    Variant ViewCollection(std::wstring_view member, const Arguments& args) {
        if (member == L"GetActive") {
            args.Expect(0);
            return ObjectOrNothing(state_->activeViewNothing, ObjectKind::ActiveView);
        }
        args.Expect(2);
        std::int32_t type = args.LongAt(0);
        args.LongAt(1);
        if (type == kContactViewType) {
            return ObjectOrNothing(state_->contactViewNothing, ObjectKind::ContactView);
        }
        if (type == kGroupViewType) {
            return ObjectOrNothing(state_->groupViewNothing, ObjectKind::GroupView);
        }
        throw StandardFailure(kInvalidArgument);
    }

    // Members that contact and group views share.
    template <typename Record>
    std::optional<Variant> CommonViewMember(std::wstring_view member, const Arguments& args,
                                            const Cursor<Record>& cursor,
                                            std::optional<std::int32_t> idField) {
        if (member == L"GetCurrentID") {
            args.Expect(0);
            Record* current = cursor.Current();
            return current == nullptr ? Variant() : Variant(PaddedId(current->id));
        }
        if (member == L"GetCount") {
            args.Expect(0);
            return Variant(cursor.Count());
        }
        if (member == L"GetField") {
            args.Expect(1);
            std::int32_t field = args.LongAt(0);
            Record* current = cursor.Current();
            if (current == nullptr) {
                return Variant();
            }
            if (field == idField) {
                return Variant(PaddedId(current->id));
            }
            auto value = current->fields.find(field);
            return Variant(value == current->fields.end() ? Text() : value->second);
        }
        if (member == L"SetField") {
            args.Expect(2);
            std::int32_t field = args.LongAt(0);
            Text value = args.TextAt(1);
            Record* current = cursor.Current();
            if (current == nullptr || field == idField) {
                return Variant(kRefused);
            }
            current->fields[field] = value;
            return Variant(kDone);
        }
        if (member == L"MoveFirst") {
            args.Expect(0);
            cursor.position = 0;
            return Variant(kDone);
        }
        if (member == L"MoveNext") {
            args.Expect(0);
            cursor.MoveNext();
            return Variant(kDone);
        }
        if (member == L"LookupAll") {
            args.Expect(0);
            cursor.LookupAll();
            return Variant(kDone);
        }
        if (member == L"GoTo") {
            args.Expect(1);
            return Variant(cursor.GoTo(args.TextAt(0)));
        }
        return std::nullopt;
    }

    Variant ContactView(std::wstring_view member, const Arguments& args) {
        Cursor<Contact> cursor = Contacts();
        if (auto common = CommonViewMember(member, args, cursor, 1)) {
            return *common;
        }
        ActState& s = *state_;
        if (member == L"AddNewContact") {
            args.Expect(0);
            Text id = NewId(L"K");
            s.contacts.push_back({id, {}});
            s.contactLookup.push_back(id);
            s.contactPosition = s.contactLookup.size() - 1;
            return kDone;
        }
        if (member == L"CreateLookup") {
            args.Expect(1);
            Text list = args.TextAt(0);
            std::vector<Text> lookup;
            for (std::size_t start = 0; start < list.size(); start += kIdWidth) {
                if (Contact* contact =
                        contactIndex.Find(s.contacts, list.substr(start, kIdWidth))) {
                    lookup.push_back(contact->id);
                }
            }
            s.contactLookup = std::move(lookup);
            s.contactPosition = 0;
            return kDone;
        }
        // AddContactToGroup
        args.Expect(1);
        Group* group = groupIndex.Find(s.groups, args.TextAt(0));
        Contact* contact = cursor.Current();
        if (group == nullptr || contact == nullptr) {
            return kRefused;
        }
        if (std::find(group->members.begin(), group->members.end(), contact->id) ==
            group->members.end()) {
            group->members.push_back(contact->id);
        }
        return kDone;
    }

    Variant GroupView(std::wstring_view member, const Arguments& args) {
        Cursor<Group> cursor = Groups();
        if (auto common = CommonViewMember(member, args, cursor, std::nullopt)) {
            return *common;
        }
        ActState& s = *state_;
        if (member == L"LookupFieldEx") {
            args.Expect(3);
            std::int32_t field = args.LongAt(0);
            Text value = args.TextAt(1);
            args.LongAt(2);
            std::vector<Text> found;
            for (const Group& group : s.groups) {
                auto held = group.fields.find(field);
                if (held != group.fields.end() && held->second == value) {
                    found.push_back(group.id);
                }
            }
            if (found.empty()) {
                return kRefused;
            }
            s.groupLookup = found;
            s.groupPosition = 0;
            return kDone;
        }
        if (member == L"DeleteGroupFast") {
            args.Expect(0);
            Group* current = cursor.Current();
            if (current == nullptr) {
                return kRefused;
            }
            Text id = current->id;
            std::erase_if(s.groups, [&id](const Group& group) { return group.id == id; });
            std::erase(s.groupLookup, id);
            return kDone;
        }
        if (member == L"AddNew") {
            args.Expect(0);
            Text id = NewId(L"G");
            s.groups.push_back({id, {{25, Text()}}, {}});
            s.groupLookup.push_back(id);
            s.groupPosition = s.groupLookup.size() - 1;
            return kDone;
        }
        if (member == L"AddMemberToGroup") {
            args.Expect(1);
            Contact* contact = contactIndex.Find(s.contacts, args.TextAt(0));
            Group* current = cursor.Current();
            if (contact == nullptr || current == nullptr) {
                return kRefused;
            }
            if (std::find(current->members.begin(), current->members.end(), contact->id) ==
                current->members.end()) {
                current->members.push_back(contact->id);
            }
            return kDone;
        }
        // SetActiveTab
        args.Expect(1);
        s.activeGroupTab = args.TextAt(0);
        return kDone;
    }

  private:
    std::shared_ptr<ActState> state_;
    IdIndex<Contact> contactIndex;
    IdIndex<Group> groupIndex;
};

ActRecords::ActRecords(std::shared_ptr<ActState> state)
    : impl_(std::make_unique<Impl>(std::move(state))) {}

ActRecords::~ActRecords() = default;

void ActRecords::BeginCall() {
    impl_->BeginCall();
}

Variant ActRecords::Perform(ObjectKind kind, std::wstring_view member,
                            const std::vector<Argument>& args) {
    return impl_->Perform(kind, member, Arguments(args));
}

}  // namespace platform::actmodel
