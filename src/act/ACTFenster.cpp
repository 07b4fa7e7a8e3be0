#include "ACTFenster.h"

#include "act/modACTHandle.h"

namespace actfenster {

bool Vorhanden() {
    constexpr const wchar_t* kActClass = L"act3.0frameclass";
    platform::Handle32 kundenmanager =
        modACTHandle::FindTopLevelWindow(kActClass, L"Kundenmanager");
    platform::Handle32 act = modACTHandle::FindTopLevelWindow(kActClass, L"ACT");
    return kundenmanager != 0 || act != 0;
}

}  // namespace actfenster
