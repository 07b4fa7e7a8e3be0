#include "SimProgram.h"

#include "QuendelhofVersion.h"

namespace platform {

ProgramVersion sim::BuildVersion() {
    return {QUENDELHOF_VERSION_MAJOR, QUENDELHOF_VERSION_MINOR, QUENDELHOF_VERSION_REVISION,
            QUENDELHOF_PRODUCT_NAME_W};
}

Text ArgumentText() {
    return sim::Program().argumentText;
}
ProgramVersion GetProgramVersion() {
    return sim::Program().version;
}
Text ProgramFolder() {
    return sim::Program().folder;
}
Text ProgramFileName() {
    return sim::Program().fileName;
}
std::optional<Text> EnvironmentVariable(const Text& name) {
    const auto& environment = sim::Program().environment;
    auto found = environment.find(name);
    return found == environment.end() ? std::nullopt : std::optional<Text>(found->second);
}

}  // namespace platform
