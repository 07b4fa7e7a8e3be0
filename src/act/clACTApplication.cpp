#include "clACTApplication.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "ACTMeldungstexte.h"
#include "QuendelhofVersion.h"
#include "act/ACTFenster.h"
#include "act/ACTGeduld.h"
#include "platform/Automation.h"
#include "platform/Failure.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include "platform/RegionalSettings.h"
#include "platform/TextUtil.h"

using platform::Argument;
using platform::CallKind;
using platform::kFalse;
using platform::kTrue;
using platform::Text;
using platform::TruthValue;

namespace {

constexpr const wchar_t* kProgId = L"ACTOLE.APPOBJECT";
constexpr std::int16_t kContactView = 1;
constexpr std::int16_t kGroupView = 3;
constexpr std::int16_t kCreateMode = 2;
constexpr std::int16_t kVersionKind = 1;
constexpr std::int16_t kContactIdField = 1;
constexpr std::int16_t kGroupNameField = 25;
constexpr std::size_t kIdWidth = 12;
constexpr std::int32_t kListReserveLimit = 1 << 21;

std::int32_t Warn(const Text& text, std::uint32_t buttons) {
    return platform::ShowMessageBox(text, QUENDELHOF_PRODUCT_NAME_W,
                                    buttons | platform::kMbIconExclamation);
}

// The form in which ACT! takes a record identifier: padded with blanks to 12 characters. A
// longer identifier cannot be given to ACT! and is refused with failure 5.
Text PaddedIdentifier(const Text& id) {
    if (id.size() > kIdWidth) {
        throw platform::StandardFailure(platform::kInvalidArgument);
    }
    Text padded = id;
    padded.append(kIdWidth - id.size(), L' ');
    return padded;
}

// Whether a value ACT! returned reports success: it equals the number 0. No value at all, and a
// returned false, count as 0; Null is no number and never counts, and a fraction such as 0.4 is
// not 0. A text that is no number raises failure 13.
bool ReportsSuccess(const platform::Variant& value) {
    return platform::VariantEqualsZero(value);
}

// An error number ACT! returned, for a message: a whole number as it is, anything else (a
// fraction, a number beyond 32 bits) in its text form. Null raises failure 94.
Text ErrorNumberText(const platform::Variant& value) {
    long double number = platform::VariantToNumber(value);
    if (std::trunc(number) == number && number >= std::numeric_limits<std::int32_t>::min() &&
        number <= std::numeric_limits<std::int32_t>::max()) {
        return std::to_wstring(static_cast<std::int32_t>(number));
    }
    return platform::VariantToText(value);
}

// The progress of contact `done` of `count`, in percent with two decimals and the user's
// decimal separator, e.g. "33,33".
Text ProgressNumber(std::int64_t done, std::int64_t count, const Text& decimalSeparator) {
    double percent = static_cast<double>(done) / static_cast<double>(count) * 100.0;
    std::array<char, 64> digits{};
    auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), percent,
                                      std::chars_format::fixed, 2);
    Text text;
    if (error != std::errc()) {
        return text;
    }
    for (const char* c = digits.data(); c != end; ++c) {
        if (*c == '.') {
            text += decimalSeparator;
        } else {
            text += static_cast<wchar_t>(*c);
        }
    }
    return text;
}

bool NamesContacts(const Text& word) {
    return word == L"kontakt" || word == L"contact";
}

bool NamesGroups(const Text& word) {
    return word == L"gruppe" || word == L"gruppen" || word == L"group" || word == L"groups";
}

}  // namespace

TruthValue clACTApplication::ACTgestartet() {
    const bool vorhanden = actfenster::Vorhanden();
    ReleaseObjects();
    return platform::ToTruthValue(vorhanden);
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

Text clACTApplication::AktuelleGruppenID() {
    Text result;
    if (GetGroupView() != kFalse) {
        result = platform::VariantToText(
            objGroupView->Invoke(L"GetCurrentID", CallKind::MethodOrGet, {}));
    }
    ReleaseObjects();
    return result;
}

Text clACTApplication::AktuelleKontaktID() {
    Text result;
    if (GetContactView() != kFalse) {
        result = platform::VariantToText(
            objContactView->Invoke(L"GetCurrentID", CallKind::MethodOrGet, {}));
    }
    ReleaseObjects();
    return result;
}

std::int32_t clACTApplication::AktuelleFeldID() {
    std::int32_t result = 0;
    if (GetActiveView() != kFalse) {
        result = platform::VariantToLong(
            objActiveView->Invoke(L"CurrentFieldId", CallKind::MethodOrGet, {}));
    }
    ReleaseObjects();
    return result;
}

Text clACTApplication::getIDsAktuelleSuche(const platform::ObjectRef& Status) {
    Text list;
    if (GetContactView() != kFalse) {
        objContactView->Invoke(L"MoveFirst", CallKind::Method, {});
        platform::DoEvents();
        std::int32_t count =
            platform::VariantToLong(objContactView->Invoke(L"GetCount", CallKind::MethodOrGet, {}));
        if (count > 0) {
            // Room for the identifiers as ACT! gives them, so that a long list is not copied
            // again and again while it grows; a count beyond reason only gets a part of it.
            list.reserve(static_cast<std::size_t>(std::min(count, kListReserveLimit)) * kIdWidth);
        }
        Text decimalSeparator;
        // 64 bits, so that a count of the largest 32-bit number ends the loop.
        for (std::int64_t i = 1; i <= count; ++i) {
            platform::DoEvents();
            list += platform::VariantToText(objContactView->Invoke(
                L"GetField", CallKind::MethodOrGet, {Argument::I2(kContactIdField)}));
            platform::DoEvents();
            objContactView->Invoke(L"MoveNext", CallKind::Method, {});
            if (Status != nullptr) {
                if (decimalSeparator.empty()) {
                    decimalSeparator = platform::UserDecimalSeparator();
                }
                // A copy keeps the object alive while it takes the text, whatever the caller's
                // message handlers do with their reference.
                platform::ObjectRef status = Status;
                status->PutDefault(L"Bestimme aktuelle ACT!-Suche (" +
                                   ProgressNumber(i, count, decimalSeparator) + L")");
                platform::DoEvents();
            }
        }
    }
    ReleaseObjects();
    return list;
}

platform::ObjectRef* clACTApplication::FetchFieldView(const Text& Feldtyp) {
    Text word = platform::LowerCase(Feldtyp);
    bool groups = NamesGroups(word);
    if (!groups && !NamesContacts(word)) {
        Warn(actmeldungstext::FalscherFeldtyp(Feldtyp), platform::kMbOk);
    }
    if (groups) {
        return GetGroupView() != kFalse ? &objGroupView : nullptr;
    }
    return GetContactView() != kFalse ? &objContactView : nullptr;
}

TruthValue clACTApplication::setFeldwert(Text Feldtyp, std::int32_t FeldID, Text Wert) {
    TruthValue result = kFalse;
    if (platform::ObjectRef* view = FetchFieldView(Feldtyp)) {
        (*view)->Invoke(L"SetField", CallKind::Method,
                        {Argument::I4Ref(FeldID), Argument::StrRef(std::move(Wert))});
        result = kTrue;
    }
    ReleaseObjects();
    return result;
}

Text clACTApplication::getBenutzerID() {
    Text result;
    if (ConnectACT() != kFalse) {
        result = platform::VariantToText(objACT->Invoke(L"GetUserId", CallKind::MethodOrGet, {}));
    }
    ReleaseObjects();
    return result;
}

Text clACTApplication::AktuellerBenutzerName() {
    Text result;
    if (ConnectACT() != kFalse) {
        result = platform::VariantToText(
            objACT->Invoke(L"GetCurrentUserName", CallKind::MethodOrGet, {}));
    }
    ReleaseObjects();
    return result;
}

Text clACTApplication::getFeldwert(Text Feldtyp, std::int32_t FeldID) {
    Text result;
    if (platform::ObjectRef* view = FetchFieldView(Feldtyp)) {
        result = platform::VariantToText(
            (*view)->Invoke(L"GetField", CallKind::MethodOrGet, {Argument::I4Ref(FeldID)}));
    }
    ReleaseObjects();
    return result;
}

TruthValue clACTApplication::bildeKontaktSuche(Text UniqueIDs) {
    TruthValue result = kFalse;
    if (GetContactView() != kFalse) {
        objContactView->Invoke(L"LookupAll", CallKind::Method, {});
        objContactView->Invoke(L"CreateLookup", CallKind::Method,
                               {Argument::StrRef(std::move(UniqueIDs))});
        result = kTrue;
    }
    ReleaseObjects();
    return result;
}

TruthValue clACTApplication::neuerKontakt() {
    TruthValue result = kFalse;
    if (GetContactView() != kFalse) {
        objContactView->Invoke(L"AddNewContact", CallKind::Method, {});
        result = kTrue;
    }
    ReleaseObjects();
    return result;
}

TruthValue clACTApplication::gehezuKonatkt(Text UniqueID) {
    TruthValue result = kFalse;
    if (GetContactView() != kFalse) {
        Text padded = PaddedIdentifier(UniqueID);
        objContactView->Invoke(L"LookupAll", CallKind::Method, {});
        objContactView->Invoke(L"GoTo", CallKind::Method, {Argument::StrRef(std::move(padded))});
        result = kTrue;
    }
    ReleaseObjects();
    return result;
}

TruthValue clACTApplication::ordneKonatktzuGruppe(Text UniqueID) {
    TruthValue result = kFalse;
    if (GetContactView() != kFalse) {
        // ACT! takes the identifier as it is; only its length is checked, as for the others.
        PaddedIdentifier(UniqueID);
        objContactView->Invoke(L"AddContactToGroup", CallKind::Method,
                               {Argument::StrRef(std::move(UniqueID))});
        result = kTrue;
    }
    ReleaseObjects();
    return result;
}

TruthValue clACTApplication::GroupExist(Text Gruppenname) {
    TruthValue result = kFalse;
    if (GetGroupView() != kFalse) {
        objGroupView->Invoke(L"LookupAll", CallKind::Method, {});
        objGroupView->Invoke(L"MoveFirst", CallKind::Method, {});
        std::int32_t count =
            platform::VariantToLong(objGroupView->Invoke(L"GetCount", CallKind::MethodOrGet, {}));
        // One pass per group: a further pass would read past the last one.
        for (std::int64_t i = 0; i < count; ++i) {
            Text name = platform::VariantToText(objGroupView->Invoke(
                L"GetField", CallKind::MethodOrGet, {Argument::I2(kGroupNameField)}));
            if (name == Gruppenname) {
                result = kTrue;
                break;
            }
            objGroupView->Invoke(L"MoveNext", CallKind::Method, {});
        }
    }
    ReleaseObjects();
    return result;
}

TruthValue clACTApplication::ShowGroupByName(Text Gruppenname, std::int32_t Lookup) {
    TruthValue result = kFalse;
    if (GetGroupView() != kFalse) {
        result = platform::ToTruthValue(ReportsSuccess(objGroupView->Invoke(
            L"LookupFieldEx", CallKind::MethodOrGet,
            {Argument::I2(kGroupNameField), Argument::StrRef(std::move(Gruppenname)),
             Argument::I4Ref(Lookup)})));
    }
    ReleaseObjects();
    return result;
}

TruthValue clACTApplication::ShowGroupByUniqueID(Text UniqueID, TruthValue Lookupall_vorweg) {
    TruthValue result = kFalse;
    if (GetGroupView() != kFalse) {
        if (Lookupall_vorweg == kTrue) {
            objGroupView->Invoke(L"LookupAll", CallKind::Method, {});
        }
        Text padded = PaddedIdentifier(UniqueID);
        result = platform::ToTruthValue(ReportsSuccess(objGroupView->Invoke(
            L"GoTo", CallKind::MethodOrGet, {Argument::StrRef(std::move(padded))})));
    }
    ReleaseObjects();
    return result;
}

TruthValue clACTApplication::DeleteCurrentGroup() {
    TruthValue result = kFalse;
    if (GetGroupView() != kFalse) {
        result = platform::ToTruthValue(
            ReportsSuccess(objGroupView->Invoke(L"DeleteGroupFast", CallKind::MethodOrGet, {})));
    }
    ReleaseObjects();
    return result;
}

TruthValue clACTApplication::AddGroup(Text Gruppenname) {
    TruthValue result = kFalse;
    if (GetGroupView() != kFalse &&
        ReportsSuccess(objGroupView->Invoke(L"AddNew", CallKind::MethodOrGet, {}))) {
        result = platform::ToTruthValue(ReportsSuccess(objGroupView->Invoke(
            L"SetField", CallKind::MethodOrGet,
            {Argument::I2(kGroupNameField), Argument::StrRef(std::move(Gruppenname))})));
    }
    ReleaseObjects();
    return result;
}

TruthValue clACTApplication::AddGroupMember(Text UniqueID) {
    TruthValue result = kFalse;
    if (GetGroupView() != kFalse) {
        Text padded = PaddedIdentifier(UniqueID);
        result = platform::ToTruthValue(ReportsSuccess(objGroupView->Invoke(
            L"AddMemberToGroup", CallKind::MethodOrGet, {Argument::StrRef(std::move(padded))})));
    }
    ReleaseObjects();
    return result;
}

TruthValue clACTApplication::ShowGroupRegister(Text Registername) {
    TruthValue result = kFalse;
    if (GetGroupView() != kFalse) {
        result = platform::ToTruthValue(ReportsSuccess(objGroupView->Invoke(
            L"SetActiveTab", CallKind::MethodOrGet, {Argument::StrRef(std::move(Registername))})));
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
        platform::Variant number = objACT->Invoke(L"CloseDB", CallKind::MethodOrGet, {});
        if (ReportsSuccess(number)) {
            result = kTrue;
        } else {
            Warn(actmeldungstext::CloseDBFehler(ErrorNumberText(number)), platform::kMbOk);
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
    objACT = actgeduld::ErzeugeAnwendung(kProgId);
    platform::DoEvents();
    return platform::ToTruthValue(objACT != nullptr);
}

TruthValue clACTApplication::GetViews() {
    if (ConnectACT() == kFalse) {
        return kFalse;
    }
    objViews = platform::VariantToObject(objACT->Invoke(L"Views", CallKind::MethodOrGet, {}));
    if (objViews == nullptr) {
        Warn(actmeldungstext::kKeineViews, platform::kMbOk);
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
            std::int32_t answer = Warn(actmeldungstext::kKeinView, platform::kMbYesNo);
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
