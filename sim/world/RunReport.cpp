#include "RunReport.h"

#include <sstream>

#include "platform/Registry.h"
#include "platform/core/Ansi.h"
#include "sim/desktop/SimAct.h"
#include "sim/desktop/SimClipboard.h"
#include "sim/desktop/SimShell.h"
#include "sim/desktop/SimText.h"

namespace platform::sim {

namespace {

std::map<Text, RegistryValue> RegistryValues() {
    std::map<Text, RegistryValue> values;
    for (const auto& [folded, key] : Registry().keys) {
        for (const auto& [foldedName, value] : key.values) {
            values[key.path + L"\\" + value.name] = value;
        }
    }
    return values;
}

std::string Shown(const RegistryValue& value) {
    if (value.type == kRegSz) {
        std::string bytes(value.data.begin(), value.data.end());
        std::size_t nul = bytes.find('\0');
        std::string quoted(1, '"');
        quoted.append(ToUtf8(FromAnsi(bytes.substr(0, nul)))).push_back('"');
        return quoted;
    }
    if (value.type == kRegDword && value.data.size() == 4) {
        std::uint32_t number = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                               (static_cast<std::uint32_t>(value.data[3]) << 24);
        return "dword " + std::to_string(number);
    }
    return "type " + std::to_string(value.type) + ", " + std::to_string(value.data.size()) +
           " bytes";
}

}  // namespace

RunReport::RunReport()
    : registryBefore_(RegistryValues()),
      clipboardBefore_(Clipboard().text),
      actRunningBefore_(Act().State().running),
      actDatabaseBefore_(Act().State().openDatabase) {}

std::string RunReport::Describe() const {
    std::ostringstream out;
    for (const auto& [path, value] : RegistryValues()) {
        auto before = registryBefore_.find(path);
        if (before == registryBefore_.end() || !(before->second == value)) {
            out << "Registry: " << ToUtf8(path) << " = " << Shown(value) << "\n";
        }
    }
    for (const Text& line : Act().JournalLines()) {
        if (line.rfind(L"create ", 0) != 0 && line.rfind(L"release ", 0) != 0) {
            out << "ACT!: " << ToUtf8(line) << "\n";
        }
    }
    for (const ShellLaunch& launch : Shell().launches) {
        out << "Shell: " << ToUtf8(launch.call) << " " << ToUtf8(launch.file.value_or(L"")) << " "
            << ToUtf8(launch.parameters.value_or(L"")) << " -> " << launch.answer << "\n";
    }
    const actmodel::ActState& act = Act().State();
    if (act.running != actRunningBefore_ || act.openDatabase != actDatabaseBefore_) {
        out << "ACT! " << (act.running ? "laeuft" : "laeuft nicht") << ", geoeffnete Datenbank: \""
            << ToUtf8(act.openDatabase) << "\"\n";
    }
    if (Clipboard().text != clipboardBefore_) {
        out << "Zwischenablage: \"" << ToUtf8(Clipboard().text.value_or(L"")) << "\"\n";
    }
    return out.str();
}

}  // namespace platform::sim
