#include "modHaupt.h"

#include "Laufsperre.h"
#include "QuendelhofVersion.h"
#include "act/clACTApplication.h"
#include "meldungen/ZeigeMeldung.h"
#include "modHauptZustand.h"
#include "platform/Program.h"
#include "platform/Waiting.h"
#include "platform/core/Failure.h"
#include "platform/core/ScopeGuard.h"
#include "winservices/ErrorBox.h"
#include "winservices/clShellExecute.h"

namespace modHaupt {

namespace detail {

Laufzustand& Zustand() {
    static Laufzustand zustand;
    return zustand;
}

platform::Text Programmtitel() {
    return QUENDELHOF_PRODUCT_NAME_W;
}

void ZeigeHaltemeldung(meldungen::Id id, std::initializer_list<platform::Text> werte) {
    Zustand().eLaufergebnis = static_cast<Laufergebnis>(meldungen::Eintrag(id).ende);
    meldungen::ZeigeMeldung(id, werte);
}

}  // namespace detail

void Main() {
    // Releases both objects when Main ends, however it ends.
    const platform::ScopeGuard objekteFreigeben([] {
        detail::Zustand().objACTApplication.reset();
        detail::Zustand().objShellExecute.reset();
    });
    detail::Zustand().eLaufergebnis = Laufergebnis::Erledigt;
    if (platform::ArgumentText().empty()) {
        ZeigeInformationen();
        return;
    }
    if (PruefeBefehlszeile() == platform::kFalse) {
        return;
    }
    WechsleDatenbank();
}

const Laufzustand& Zustand() {
    return detail::Zustand();
}

void Zuruecksetzen() {
    detail::Zustand() = Laufzustand();
}

namespace {

// Main, and the error box for a failure that escapes it.
int LaufMitFehlerbox() {
    try {
        Main();
        return static_cast<int>(detail::Zustand().eLaufergebnis);
    } catch (const platform::ProcessEnded&) {
        throw;
    } catch (...) {
        platform::Failure failure = platform::CurrentFailure();
        detail::Zustand().eLaufergebnis = Laufergebnis::Fehler;
        try {
            winservices::ShowErrorBox(detail::Programmtitel(), failure);
        } catch (...) {
            // Nothing is left to tell the user with; the exit code says it.
        }
        return static_cast<int>(Laufergebnis::Fehler);
    }
}

}  // namespace

int Programmlauf() {
    try {
        Laufsperre sperre;
        return LaufMitFehlerbox();
    } catch (const platform::ProcessEnded& ende) {
        // A run whose work was done may still end so, at a release that did not return.
        detail::Zustand().eLaufergebnis =
            ende.exitCode == 0 ? Laufergebnis::Erledigt : Laufergebnis::Fehler;
        return ende.exitCode;
    }
}

}  // namespace modHaupt
