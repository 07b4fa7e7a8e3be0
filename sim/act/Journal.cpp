#include "ActModel.h"

#include <algorithm>

namespace platform::actmodel {

Text DatabaseOfArgument(const Text& argument) {
    std::size_t first = argument.find_first_not_of(L' ');
    if (first == Text::npos) {
        return Text();
    }
    Text database = argument.substr(first, argument.find_last_not_of(L' ') - first + 1);
    if (database.size() >= 2 && database.front() == L'"' && database.back() == L'"') {
        database = database.substr(1, database.size() - 2);
    }
    return database;
}

Text PaddedId(const Text& id) {
    Text padded = id;
    if (padded.size() < kIdWidth) {
        padded.append(kIdWidth - padded.size(), L' ');
    }
    return padded;
}

bool SamePaddedId(const Text& a, const Text& b) {
    std::size_t length = std::max(a.size(), kIdWidth);
    if (std::max(b.size(), kIdWidth) != length) {
        return false;
    }
    for (std::size_t i = 0; i < length; ++i) {
        wchar_t fromA = i < a.size() ? a[i] : L' ';
        wchar_t fromB = i < b.size() ? b[i] : L' ';
        if (fromA != fromB) {
            return false;
        }
    }
    return true;
}

Text RenderJournalEntry(const JournalEntry& entry) {
    switch (entry.event) {
        case JournalEvent::Create:
            return L"create " + entry.object;
        case JournalEvent::Release:
            return L"release " + entry.object;
        case JournalEvent::Call:
            break;
    }
    Text line;
    if (entry.kind == JournalCallKind::Method) {
        line = L"call ";
    } else if (entry.kind == JournalCallKind::PutDefault) {
        line = L"put ";
    }
    line += entry.object;
    if (entry.kind != JournalCallKind::PutDefault) {
        line += L"." + entry.member;
    }
    line += L"(";
    for (std::size_t i = 0; i < entry.args.size(); ++i) {
        const RecordedArgument& arg = entry.args[i];
        line += (i > 0 ? L", " : L"") + arg.type + (arg.byReference ? L"&" : L"");
        if (arg.type == L"BSTR") {
            line += L" \"" + arg.value + L"\"";
        } else if (!arg.value.empty()) {
            line += L" " + arg.value;
        }
    }
    line += L")";
    return line;
}

}  // namespace platform::actmodel
