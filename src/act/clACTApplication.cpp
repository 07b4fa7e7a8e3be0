#include "clACTApplication.h"

#include <string>

#include "QuendelhofVersion.h"
#include "act/modACTHandle.h"
#include "platform/Automation.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"

using platform::Argument;
using platform::CallKind;
using platform::kFalse;
using platform::kTrue;
using platform::Text;
using platform::TruthValue;

namespace {

constexpr const wchar_t* kProgId = L"ACTOLE.APPOBJECT";
constexpr const wchar_t* kActClass = L"act3.0frameclass";
constexpr std::int16_t kContactView = 1;
constexpr std::int16_t kGroupView = 3;
constexpr std::int16_t kCreateMode = 2;
constexpr std::int16_t kVersionKind = 1;

std::int32_t Warn(const Text& text, std::uint32_t buttons) {
    return platform::ShowMessageBox(text, QUENDELHOF_PRODUCT_NAME_W,
                                    buttons | platform::kMbIconExclamation);
}

}  // namespace

TruthValue clACTApplication::ACTgestartet() {
    platform::Handle32 kundenmanager =
        modACTHandle::FindTopLevelWindow(kActClass, L"Kundenmanager");
    platform::Handle32 act = modACTHandle::FindTopLevelWindow(kActClass, L"ACT");
    ReleaseObjects();
    return platform::ToTruthValue(kundenmanager != 0 || act != 0);
}

Text clACTApplication::ACTDatenbank() {
    Text result;
    if (ConnectACT() != kFalse) {
        result =
            platform::VariantToText(objACT->Invoke(L"GetOpenDBName", CallKind::MethodOrGet, {}));
    }
    ReleaseObjects();
    return result;
}

Text clACTApplication::ACTVersion() {
    Text result;
    if (ConnectACT() != kFalse) {
        result = platform::VariantToText(
            objACT->Invoke(L"GetVersion", CallKind::MethodOrGet, {Argument::I2(kVersionKind)}));
    }
    ReleaseObjects();
    return result;
}

std::int32_t clACTApplication::aktuellerViewTyp() {
    std::int32_t result = -1;
    if (GetActiveView() != kFalse) {
        result = platform::VariantToLong(objActiveView->Invoke(L"Type", CallKind::MethodOrGet, {}));
    }
    ReleaseObjects();
    return result;
}

platform::Variant clACTApplication::OpenDatenbank(Text sDatenbank) {
    Text strDatenbank = std::move(sDatenbank);
    platform::Variant result;
    if (ConnectACT() != kFalse) {
        objACT->Invoke(L"OpenDB", CallKind::Method, {Argument::StrRef(strDatenbank)});
    }
    ReleaseObjects();
    return result;
}

TruthValue clACTApplication::CloseDatenbank() {
    TruthValue result = kFalse;
    if (ConnectACT() != kFalse) {
        std::int32_t number =
            platform::VariantToLong(objACT->Invoke(L"CloseDB", CallKind::MethodOrGet, {}));
        if (number == 0) {
            result = kTrue;
        } else {
            Warn(L"Fehler in Klasse ACTApplication - CloseDB\r\nACT!-Fehlernummer:" +
                     std::to_wstring(number) +
                     L"\r\nDie Datenbank konnte nicht geschlossen werden.",
                 platform::kMbOk);
        }
    }
    ReleaseObjects();
    return result;
}

clACTApplication::HeldObjects clACTApplication::DiagnoseHeldObjects() const {
    return {objACT != nullptr, objActiveView != nullptr, objViews != nullptr,
            objContactView != nullptr, objGroupView != nullptr};
}

void clACTApplication::ReleaseObjects() {
    objContactView = nullptr;
    objGroupView = nullptr;
    objViews = nullptr;
    objACT = nullptr;
    objActiveView = nullptr;
}

TruthValue clACTApplication::ConnectACT() {
    if (ACTgestartet() == kFalse) {
        return kFalse;
    }
    objACT = platform::CreateAutomationObject(kProgId);
    platform::DoEvents();
    return platform::ToTruthValue(objACT != nullptr);
}

TruthValue clACTApplication::GetViews() {
    if (ConnectACT() == kFalse) {
        return kFalse;
    }
    objViews = platform::VariantToObject(objACT->Invoke(L"Views", CallKind::MethodOrGet, {}));
    if (objViews == nullptr) {
        Warn(L"OLE-Verbindung zu ACT! ist nicht möglich.(View)", platform::kMbOk);
        return kFalse;
    }
    return kTrue;
}

template <typename Fetch>
TruthValue clACTApplication::FetchView(platform::ObjectRef& field, Fetch fetch) {
    if (GetViews() == kFalse) {
        return kFalse;
    }
    while (true) {
        platform::DoEvents();
        field = platform::VariantToObject(fetch());
        platform::DoEvents();
        if (field == nullptr) {
            std::int32_t answer = Warn(
                L"Eine OLE-Verbindung zu Act! ist nicht möglich.\r\n"
                L"Bitte schließen Sie alle geöffneten Hinweisfenster in ACT!\r\n"
                L"Weiter versuchen ?",
                platform::kMbYesNo);
            if (answer != platform::kIdYes) {
                return kFalse;
            }
        }
        if (field != nullptr) {
            return kTrue;
        }
    }
}

TruthValue clACTApplication::GetActiveView() {
    return FetchView(objActiveView,
                     [this] { return objViews->Invoke(L"GetActive", CallKind::MethodOrGet, {}); });
}

TruthValue clACTApplication::GetContactView() {
    return FetchView(objContactView, [this] {
        return objViews->Invoke(L"Create", CallKind::MethodOrGet,
                                {Argument::I2(kContactView), Argument::I2(kCreateMode)});
    });
}

TruthValue clACTApplication::GetGroupView() {
    return FetchView(objGroupView, [this] {
        return objViews->Invoke(L"Create", CallKind::MethodOrGet,
                                {Argument::I2(kGroupView), Argument::I2(kCreateMode)});
    });
}
