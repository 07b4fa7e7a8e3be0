#include "clACTApplication.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "act/ACTFenster.h"
#include "act/ACTGeduld.h"
#include "meldungen/ZeigeMeldung.h"
#include "platform/Automation.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include "platform/RegionalSettings.h"
#include "platform/core/Failure.h"
#include "platform/core/TextUtil.h"

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

template <typename Result, typename Work>
Result clACTApplication::Operation(TruthValue fetched, Result neutral, Work work) {
    Result result = fetched != kFalse ? work() : std::move(neutral);
    ReleaseObjects();
    return result;
}

Text clACTApplication::ACTDatenbank() {
    return Operation(ConnectACT(), Text(), [this] {
        return platform::VariantToText(objACT->Invoke(L"GetOpenDBName", CallKind::MethodOrGet, {}));
    });
}

Text clACTApplication::ACTVersion() {
    return Operation(ConnectACT(), Text(), [this] {
        return platform::VariantToText(
            objACT->Invoke(L"GetVersion", CallKind::MethodOrGet, {Argument::I2(kVersionKind)}));
    });
}

std::int32_t clACTApplication::aktuellerViewTyp() {
    return Operation(GetActiveView(), std::int32_t{-1}, [this] {
        return platform::VariantToLong(objActiveView->Invoke(L"Type", CallKind::MethodOrGet, {}));
    });
}

Text clACTApplication::AktuelleGruppenID() {
    return Operation(GetGroupView(), Text(), [this] {
        return platform::VariantToText(
            objGroupView->Invoke(L"GetCurrentID", CallKind::MethodOrGet, {}));
    });
}

Text clACTApplication::AktuelleKontaktID() {
    return Operation(GetContactView(), Text(), [this] {
        return platform::VariantToText(
            objContactView->Invoke(L"GetCurrentID", CallKind::MethodOrGet, {}));
    });
}

std::int32_t clACTApplication::AktuelleFeldID() {
    return Operation(GetActiveView(), std::int32_t{0}, [this] {
        return platform::VariantToLong(
            objActiveView->Invoke(L"CurrentFieldId", CallKind::MethodOrGet, {}));
    });
}

Text clACTApplication::getIDsAktuelleSuche(const platform::ObjectRef& Status) {
    return Operation(GetContactView(), Text(), [this, &Status] {
        Text list;
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
        return list;
    });
}

platform::ObjectRef* clACTApplication::FetchFieldView(const Text& Feldtyp) {
    Text word = platform::LowerCase(Feldtyp);
    bool groups = NamesGroups(word);
    if (!groups && !NamesContacts(word)) {
        meldungen::ZeigeMeldung(meldungen::Id::FalscherFeldtyp, {Feldtyp});
    }
    if (groups) {
        return GetGroupView() != kFalse ? &objGroupView : nullptr;
    }
    return GetContactView() != kFalse ? &objContactView : nullptr;
}

TruthValue clACTApplication::setFeldwert(Text Feldtyp, std::int32_t FeldID, Text Wert) {
    platform::ObjectRef* view = FetchFieldView(Feldtyp);
    return Operation(platform::ToTruthValue(view != nullptr), kFalse, [&] {
        (*view)->Invoke(L"SetField", CallKind::Method,
                        {Argument::I4Ref(FeldID), Argument::StrRef(std::move(Wert))});
        return kTrue;
    });
}

Text clACTApplication::getBenutzerID() {
    return Operation(ConnectACT(), Text(), [this] {
        return platform::VariantToText(objACT->Invoke(L"GetUserId", CallKind::MethodOrGet, {}));
    });
}

Text clACTApplication::AktuellerBenutzerName() {
    return Operation(ConnectACT(), Text(), [this] {
        return platform::VariantToText(
            objACT->Invoke(L"GetCurrentUserName", CallKind::MethodOrGet, {}));
    });
}

Text clACTApplication::getFeldwert(Text Feldtyp, std::int32_t FeldID) {
    platform::ObjectRef* view = FetchFieldView(Feldtyp);
    return Operation(platform::ToTruthValue(view != nullptr), Text(), [&] {
        return platform::VariantToText(
            (*view)->Invoke(L"GetField", CallKind::MethodOrGet, {Argument::I4Ref(FeldID)}));
    });
}

TruthValue clACTApplication::bildeKontaktSuche(Text UniqueIDs) {
    return Operation(GetContactView(), kFalse, [&] {
        objContactView->Invoke(L"LookupAll", CallKind::Method, {});
        objContactView->Invoke(L"CreateLookup", CallKind::Method,
                               {Argument::StrRef(std::move(UniqueIDs))});
        return kTrue;
    });
}

TruthValue clACTApplication::neuerKontakt() {
    return Operation(GetContactView(), kFalse, [this] {
        objContactView->Invoke(L"AddNewContact", CallKind::Method, {});
        return kTrue;
    });
}

TruthValue clACTApplication::gehezuKonatkt(Text UniqueID) {
    return Operation(GetContactView(), kFalse, [&] {
        Text padded = PaddedIdentifier(UniqueID);
        objContactView->Invoke(L"LookupAll", CallKind::Method, {});
        objContactView->Invoke(L"GoTo", CallKind::Method, {Argument::StrRef(std::move(padded))});
        return kTrue;
    });
}

TruthValue clACTApplication::ordneKonatktzuGruppe(Text UniqueID) {
    return Operation(GetContactView(), kFalse, [&] {
        // ACT! takes the identifier as it is; only its length is checked, as for the others.
        PaddedIdentifier(UniqueID);
        objContactView->Invoke(L"AddContactToGroup", CallKind::Method,
                               {Argument::StrRef(std::move(UniqueID))});
        return kTrue;
    });
}

TruthValue clACTApplication::GroupExist(Text Gruppenname) {
    return Operation(GetGroupView(), kFalse, [&] {
        objGroupView->Invoke(L"LookupAll", CallKind::Method, {});
        objGroupView->Invoke(L"MoveFirst", CallKind::Method, {});
        std::int32_t count =
            platform::VariantToLong(objGroupView->Invoke(L"GetCount", CallKind::MethodOrGet, {}));
        // One pass per group: a further pass would read past the last one.
        for (std::int64_t i = 0; i < count; ++i) {
            Text name = platform::VariantToText(objGroupView->Invoke(
                L"GetField", CallKind::MethodOrGet, {Argument::I2(kGroupNameField)}));
            if (name == Gruppenname) {
                return kTrue;
            }
            objGroupView->Invoke(L"MoveNext", CallKind::Method, {});
        }
        return kFalse;
    });
}

TruthValue clACTApplication::ShowGroupByName(Text Gruppenname, std::int32_t Lookup) {
    return Operation(GetGroupView(), kFalse, [&] {
        return platform::ToTruthValue(ReportsSuccess(objGroupView->Invoke(
            L"LookupFieldEx", CallKind::MethodOrGet,
            {Argument::I2(kGroupNameField), Argument::StrRef(std::move(Gruppenname)),
             Argument::I4Ref(Lookup)})));
    });
}

TruthValue clACTApplication::ShowGroupByUniqueID(Text UniqueID, TruthValue Lookupall_vorweg) {
    return Operation(GetGroupView(), kFalse, [&] {
        if (Lookupall_vorweg == kTrue) {
            objGroupView->Invoke(L"LookupAll", CallKind::Method, {});
        }
        Text padded = PaddedIdentifier(UniqueID);
        return platform::ToTruthValue(ReportsSuccess(objGroupView->Invoke(
            L"GoTo", CallKind::MethodOrGet, {Argument::StrRef(std::move(padded))})));
    });
}

TruthValue clACTApplication::DeleteCurrentGroup() {
    return Operation(GetGroupView(), kFalse, [this] {
        return platform::ToTruthValue(
            ReportsSuccess(objGroupView->Invoke(L"DeleteGroupFast", CallKind::MethodOrGet, {})));
    });
}

TruthValue clACTApplication::AddGroup(Text Gruppenname) {
    return Operation(GetGroupView(), kFalse, [&] {
        if (!ReportsSuccess(objGroupView->Invoke(L"AddNew", CallKind::MethodOrGet, {}))) {
            return kFalse;
        }
        return platform::ToTruthValue(ReportsSuccess(objGroupView->Invoke(
            L"SetField", CallKind::MethodOrGet,
            {Argument::I2(kGroupNameField), Argument::StrRef(std::move(Gruppenname))})));
    });
}

TruthValue clACTApplication::AddGroupMember(Text UniqueID) {
    return Operation(GetGroupView(), kFalse, [&] {
        Text padded = PaddedIdentifier(UniqueID);
        return platform::ToTruthValue(ReportsSuccess(objGroupView->Invoke(
            L"AddMemberToGroup", CallKind::MethodOrGet, {Argument::StrRef(std::move(padded))})));
    });
}

TruthValue clACTApplication::ShowGroupRegister(Text Registername) {
    return Operation(GetGroupView(), kFalse, [&] {
        return platform::ToTruthValue(ReportsSuccess(objGroupView->Invoke(
            L"SetActiveTab", CallKind::MethodOrGet, {Argument::StrRef(std::move(Registername))})));
    });
}

platform::Variant clACTApplication::OpenDatenbank(Text sDatenbank) {
    Text strDatenbank = std::move(sDatenbank);
    return Operation(ConnectACT(), platform::Variant(), [&] {
        objACT->Invoke(L"OpenDB", CallKind::Method, {Argument::StrRef(strDatenbank)});
        return platform::Variant();
    });
}

TruthValue clACTApplication::CloseDatenbank() {
    return Operation(ConnectACT(), kFalse, [this] {
        platform::Variant number = objACT->Invoke(L"CloseDB", CallKind::MethodOrGet, {});
        if (ReportsSuccess(number)) {
            return kTrue;
        }
        meldungen::ZeigeMeldung(meldungen::Id::CloseDBFehler, {ErrorNumberText(number)});
        return kFalse;
    });
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
        meldungen::ZeigeMeldung(meldungen::Id::KeineViews);
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
            std::int32_t answer = meldungen::ZeigeMeldung(meldungen::Id::KeinView);
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
