// RegistryGetKeyValue over values of any type, size and bytes: it answers with a value of the
// kind the type promises, or empty, never shows a box, and leaves no key open.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/Registry.h"
#include "sim/desktop/SimDesktop.h"
#include "winservices/modRegistry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace sim = platform::sim;
    sim::TheDesktop() = sim::Desktop();
    if (size < 1) {
        return 0;
    }
    // The first byte picks the type: mostly the three the program reads, sometimes others.
    std::uint32_t type = data[0] % 9;
    std::vector<std::uint8_t> bytes(data + 1, data + size);
    sim::SetRegistryValue(platform::kHkeyCurrentUser, L"Software\\Test", L"Wert", type, bytes);

    platform::Variant value =
        modRegistry::RegistryGetKeyValue(platform::kHkeyCurrentUser, L"Software\\Test", L"Wert");
    bool expectedKind = false;
    switch (type) {
        case platform::kRegSz:
            expectedKind = std::holds_alternative<platform::Text>(value);
            if (expectedKind && std::get<platform::Text>(value).size() > bytes.size()) {
                std::abort();
            }
            break;
        case platform::kRegBinary:
            expectedKind = std::holds_alternative<platform::ByteArray>(value) &&
                           std::get<platform::ByteArray>(value).bytes == bytes;
            break;
        case platform::kRegDword:
            expectedKind = bytes.size() < 4 || bytes.size() > 4
                               ? true
                               : std::holds_alternative<std::int32_t>(value);
            break;
        default:
            expectedKind = platform::IsEmpty(value);
    }
    if (!expectedKind || !sim::Boxes().shown.empty() || sim::OpenRegistryKeyCount() != 0) {
        std::abort();
    }
    return 0;
}
