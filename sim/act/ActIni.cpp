#include "ActIni.h"

#include <optional>
#include <string>

#include "RawResultText.h"
#include "platform/core/Failure.h"
#include "platform/core/TextUtil.h"
#include "platform/core/Utf8.h"
#include "platform/core/Variant.h"

namespace platform::actmodel {

namespace {

enum class Section { None, Act, Contact, Group };

std::string Trimmed(const std::string& text) {
    std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return std::string();
    }
    std::size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string Lowered(const std::string& text) {
    return ToUtf8(LowerCase(FromUtf8(text)));
}

void ReadFlag(const std::string& value, bool& flag) {
    std::string word = Lowered(value);
    if (word == "yes" || word == "ja" || word == "true" || word == "1") {
        flag = true;
    } else if (word == "no" || word == "nein" || word == "false" || word == "0") {
        flag = false;
    }
}

std::optional<std::int32_t> NumberOf(const std::string& value) {
    try {
        return TextToLong(FromUtf8(value));
    } catch (const Failure&) {
        return std::nullopt;
    }
}

// Field numbers are plain decimal numbers.
std::optional<std::int32_t> FieldNumberOf(const std::string& key) {
    if (key.empty() || key.size() > 9 || key.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    return std::stoi(key);
}

std::vector<Text> IdList(const Text& value) {
    std::vector<Text> ids;
    Text id;
    for (wchar_t c : value + L",") {
        if (c == L',') {
            if (!id.empty()) {
                ids.push_back(id);
            }
            id.clear();
        } else if (c != L' ' && c != L'\t' && c != L'\r' && c != L'\n') {
            // Identifiers hold no white space; what there is of it only separates.
            id.push_back(c);
        }
    }
    return ids;
}

// "70 Zugriff verweigert": the number, then the description after the blanks.
std::optional<Fault> FaultOf(const std::string& value) {
    std::size_t blank = value.find_first_of(" \t");
    std::optional<std::int32_t> number = NumberOf(value.substr(0, blank));
    if (!number) {
        return std::nullopt;
    }
    Fault fault;
    fault.number = *number;
    if (blank != std::string::npos) {
        fault.description = FromUtf8(Trimmed(value.substr(blank)));
    }
    return fault;
}

const std::string kFaultPrefix = "fault.";
const std::string kBusyPrefix = "busy.";
const std::string kDelayPrefix = "delay.";
const std::string kCrashPrefix = "crash.";

// Milliseconds, or "never"; nothing for anything else.
std::optional<std::int64_t> DurationOf(const std::string& value) {
    if (Lowered(value) == "never") {
        return kNever;
    }
    std::optional<std::int32_t> number = NumberOf(value);
    if (!number || *number < 0) {
        return std::nullopt;
    }
    return *number;
}

std::string DurationText(std::int64_t milliseconds) {
    return milliseconds == kNever ? "never" : std::to_string(milliseconds);
}

// The knobs of a busy or slow ACT!; false when the key is none of them.
bool ReadTimingSetting(ActState& state, const std::string& key, const std::string& spelling,
                       const std::string& raw) {
    const bool all = key == "busy";
    const std::string prefix = key.starts_with(kBusyPrefix)    ? kBusyPrefix
                               : key.starts_with(kDelayPrefix) ? kDelayPrefix
                                                               : std::string();
    if (!all && prefix.empty()) {
        return false;
    }
    std::optional<std::int64_t> duration = DurationOf(raw);
    if (!duration) {
        return true;
    }
    if (all) {
        state.busy = BusySpell{*duration, std::nullopt};
        return true;
    }
    Text member = FromUtf8(spelling.substr(prefix.size()));
    if (prefix == kBusyPrefix) {
        state.busyMembers[member] = BusySpell{*duration, std::nullopt};
    } else {
        state.delays[member] = *duration;
    }
    return true;
}

const std::string kResultPrefix = "result.";

struct NothingKnob {
    const char* key;
    int ActState::*counter;
};
const NothingKnob kNothingKnobs[] = {
    {"nothing.views", &ActState::viewsNothing},
    {"nothing.activeview", &ActState::activeViewNothing},
    {"nothing.contactview", &ActState::contactViewNothing},
    {"nothing.groupview", &ActState::groupViewNothing},
};

// key is lower-cased; spelling is the key as written, which names a faulty member.
void ReadActSetting(ActState& state, const std::string& key, const std::string& spelling,
                    const std::string& raw) {
    Text value = FromUtf8(raw);
    if (key.starts_with(kFaultPrefix)) {
        if (std::optional<Fault> fault = FaultOf(raw)) {
            state.faults[FromUtf8(spelling.substr(kFaultPrefix.size()))] = *fault;
        }
        return;
    }
    if (ReadTimingSetting(state, key, spelling, raw)) {
        return;
    }
    if (key.starts_with(kResultPrefix)) {
        if (std::optional<RawResult> result = ReadRawResult(raw)) {
            state.rawResults[FromUtf8(spelling.substr(kResultPrefix.size()))] = *result;
        }
        return;
    }
    if (key.starts_with(kCrashPrefix)) {
        bool crashes = false;
        ReadFlag(raw, crashes);
        Text member = FromUtf8(spelling.substr(kCrashPrefix.size()));
        if (crashes) {
            state.crashes.insert(member);
        } else {
            state.crashes.erase(member);
        }
        return;
    }
    if (key == "creation.fault") {
        if (std::optional<Fault> fault = FaultOf(raw)) {
            state.creationFault = *fault;
        }
        return;
    }
    for (const NothingKnob& knob : kNothingKnobs) {
        if (key == knob.key) {
            std::optional<std::int32_t> count = NumberOf(raw);
            if (count && *count >= 0) {
                state.*knob.counter = *count;
            }
            return;
        }
    }
    if (key == "running") {
        ReadFlag(raw, state.running);
    } else if (key == "window.class") {
        state.window.className = value;
    } else if (key == "window.caption") {
        state.window.caption = value;
    } else if (key == "window.visible") {
        ReadFlag(raw, state.window.visible);
    } else if (key == "window.minimised") {
        ReadFlag(raw, state.window.minimised);
    } else if (key == "window.delay") {
        std::optional<std::int32_t> delay = NumberOf(raw);
        state.window.appearsAfterMs = delay && *delay >= 0 ? *delay : state.window.appearsAfterMs;
    } else if (key == "version") {
        state.version = value;
    } else if (key == "database") {
        state.openDatabase = value;
    } else if (key == "user.id") {
        state.userId = value;
    } else if (key == "user.name") {
        state.userName = value;
    } else if (key == "view.type") {
        state.activeViewType = NumberOf(raw).value_or(state.activeViewType);
    } else if (key == "view.field") {
        state.currentFieldId = NumberOf(raw).value_or(state.currentFieldId);
    } else if (key == "closedb.result") {
        state.closeDbResult = NumberOf(raw).value_or(state.closeDbResult);
    }
}

// One line per value: line breaks inside a value would start a new setting.
std::string OneLine(const Text& text) {
    Text flat = text;
    for (wchar_t& c : flat) {
        if (c == L'\r' || c == L'\n') {
            c = L' ';
        }
    }
    return ToUtf8(flat);
}

}  // namespace

void ReadActIni(std::istream& in, ActState& state) {
    std::vector<Contact> contacts;
    std::vector<Group> groups;
    Section section = Section::None;
    std::string line;
    while (std::getline(in, line)) {
        std::string text = Trimmed(line);
        if (text.empty() || text[0] == '#' || text[0] == ';') {
            continue;
        }
        if (text.front() == '[' && text.back() == ']') {
            std::string name = Lowered(Trimmed(text.substr(1, text.size() - 2)));
            section = name == "act"       ? Section::Act
                      : name == "contact" ? Section::Contact
                      : name == "group"   ? Section::Group
                                          : Section::None;
            if (section == Section::Contact) {
                contacts.emplace_back();
            } else if (section == Section::Group) {
                groups.emplace_back();
            }
            continue;
        }
        std::size_t equals = text.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        std::string spelling = Trimmed(text.substr(0, equals));
        std::string key = Lowered(spelling);
        std::string value = Trimmed(text.substr(equals + 1));
        if (section == Section::Act) {
            ReadActSetting(state, key, spelling, value);
        } else if (section == Section::Contact || section == Section::Group) {
            Text wide = FromUtf8(value);
            std::optional<std::int32_t> field = FieldNumberOf(key);
            if (section == Section::Contact) {
                if (key == "id" || field == 1) {
                    contacts.back().id = wide;
                } else if (field) {
                    contacts.back().fields[*field] = wide;
                }
            } else if (key == "id") {
                groups.back().id = wide;
            } else if (key == "members") {
                groups.back().members = IdList(wide);
            } else if (field) {
                groups.back().fields[*field] = wide;
            }
        }
    }
    for (const Contact& contact : contacts) {
        if (!contact.id.empty()) {
            state.contacts.push_back(contact);
            state.contactLookup.push_back(contact.id);
        }
    }
    for (const Group& group : groups) {
        if (!group.id.empty()) {
            state.groups.push_back(group);
            state.groupLookup.push_back(group.id);
        }
    }
}

void WriteActIni(std::ostream& out, const ActState& state) {
    auto flag = [](bool value) { return value ? "yes" : "no"; };
    out << "# The simulated ACT! 6 of this world.\n"
        << "[ACT]\n"
        << "running=" << flag(state.running) << '\n'
        << "window.class=" << OneLine(state.window.className) << '\n'
        << "window.caption=" << OneLine(state.window.caption) << '\n'
        << "window.visible=" << flag(state.window.visible) << '\n'
        << "window.minimised=" << flag(state.window.minimised) << '\n'
        << "version=" << OneLine(state.version) << '\n'
        << "database=" << OneLine(state.openDatabase) << '\n'
        << "user.id=" << OneLine(state.userId) << '\n'
        << "user.name=" << OneLine(state.userName) << '\n'
        << "view.type=" << state.activeViewType << '\n'
        << "view.field=" << state.currentFieldId << '\n'
        << "closedb.result=" << state.closeDbResult << '\n';
    auto fault = [](const Fault& f) {
        return std::to_string(f.number) + (f.description.empty() ? "" : " ") +
               OneLine(f.description);
    };
    for (const auto& [member, f] : state.faults) {
        out << kFaultPrefix << OneLine(member) << '=' << fault(f) << '\n';
    }
    for (const auto& [member, result] : state.rawResults) {
        out << kResultPrefix << OneLine(member) << '=' << WriteRawResult(result) << '\n';
    }
    if (state.creationFault) {
        out << "creation.fault=" << fault(*state.creationFault) << '\n';
    }
    for (const NothingKnob& knob : kNothingKnobs) {
        if (state.*knob.counter > 0) {
            out << knob.key << '=' << state.*knob.counter << '\n';
        }
    }
    if (state.busy) {
        out << "busy=" << DurationText(state.busy->forMs) << '\n';
    }
    for (const auto& [member, spell] : state.busyMembers) {
        out << kBusyPrefix << OneLine(member) << '=' << DurationText(spell.forMs) << '\n';
    }
    for (const auto& [member, delay] : state.delays) {
        out << kDelayPrefix << OneLine(member) << '=' << DurationText(delay) << '\n';
    }
    if (state.window.appearsAfterMs != 0) {
        out << "window.delay=" << state.window.appearsAfterMs << '\n';
    }
    for (const Text& member : state.crashes) {
        out << kCrashPrefix << OneLine(member) << "=yes\n";
    }
    for (const Contact& contact : state.contacts) {
        out << "\n[Contact]\nid=" << OneLine(contact.id) << '\n';
        for (const auto& [field, value] : contact.fields) {
            out << field << '=' << OneLine(value) << '\n';
        }
    }
    for (const Group& group : state.groups) {
        out << "\n[Group]\nid=" << OneLine(group.id) << '\n';
        for (const auto& [field, value] : group.fields) {
            out << field << '=' << OneLine(value) << '\n';
        }
        Text members;
        for (const Text& member : group.members) {
            members += (members.empty() ? L"" : L",") + member;
        }
        out << "members=" << OneLine(members) << '\n';
    }
}

}  // namespace platform::actmodel
