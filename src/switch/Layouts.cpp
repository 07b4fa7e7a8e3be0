#include "modHaupt.h"
#include "modHauptZustand.h"
#include "platform/Registry.h"
#include "winservices/modRegistry.h"

namespace modHaupt {

namespace {

const platform::Text kDatabaseKey = L"Software\\Symantec\\ACT!\\Database";

void SchreibeLayout(const platform::Text& strName, const platform::Text& strPfad) {
    if (!strPfad.empty()) {
        modRegistry::RegistrySetKeyValue(platform::kHkeyCurrentUser, kDatabaseKey, strName,
                                         platform::Variant(strPfad), platform::kRegSz);
    }
}

}  // namespace

void SchreibeLayouts() {
    const Laufzustand& zustand = detail::Zustand();
    SchreibeLayout(L"Group Layout", zustand.strGruppenlayout);
    SchreibeLayout(L"Contact Layout", zustand.strKontaktlayout);
}

}  // namespace modHaupt
