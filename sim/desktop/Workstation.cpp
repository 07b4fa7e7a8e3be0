#include "SimWorkstation.h"

#include <string>

#include "SimRegistry.h"
#include "platform/Registry.h"
#include "platform/core/Ansi.h"
#include "platform/core/TextUtil.h"

namespace platform {

namespace sim {

Text MachineTextKey(const Text& subKey, const Text& valueName) {
    return LowerCase(subKey + L"\\" + valueName);
}

}  // namespace sim

namespace {

template <typename Map>
auto FindPath(const Map& map, const Text& path) {
    return map.find(LowerCase(path));
}

}  // namespace

WindowsVersion GetWindowsVersion() {
    return sim::Workstation().windows;
}

bool UserIsAdministrator() {
    return sim::Workstation().administrator;
}

std::optional<Text> ReadMachineText(RegistryView view, const Text& subKey, const Text& valueName) {
    // The simulated registry is the program's own view, the 32-bit one; a 32-bit Windows has
    // no other.
    if (view == RegistryView::Bits32 || !sim::Workstation().windows.windows64) {
        const auto value = sim::RegistryValueOf(kHkeyLocalMachine, subKey, valueName);
        if (!value || (value->type != kRegSz && value->type != kRegExpandSz)) {
            return std::nullopt;
        }
        const std::string bytes(value->data.begin(), value->data.end());
        return FromAnsi(bytes.substr(0, bytes.find('\0')));
    }
    const auto& texts = sim::Workstation().texts64;
    auto found = texts.find(sim::MachineTextKey(subKey, valueName));
    return found == texts.end() ? std::nullopt : std::optional<Text>(found->second);
}

std::optional<ProgramVersion> ReadFileVersion(const Text& path) {
    const auto& versions = sim::Workstation().fileVersions;
    auto found = FindPath(versions, path);
    return found == versions.end() ? std::nullopt : std::optional<ProgramVersion>(found->second);
}

std::optional<std::vector<UserGroup>> GroupsThatMayWrite(const Text& folder) {
    const sim::WorkstationFacts& facts = sim::Workstation();
    if (facts.unreadableFolders.contains(LowerCase(folder))) {
        return std::nullopt;
    }
    auto found = FindPath(facts.folderWriters, folder);
    return found == facts.folderWriters.end() ? std::vector<UserGroup>() : found->second;
}

bool HasDownloadMark(const Text& path) {
    return sim::Workstation().downloadMarks.contains(LowerCase(path));
}

SignatureState CheckSignature(const Text& path) {
    const auto& signatures = sim::Workstation().signatures;
    auto found = FindPath(signatures, path);
    return found == signatures.end() ? SignatureState::Unsigned : found->second;
}

}  // namespace platform
