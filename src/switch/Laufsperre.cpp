#include "Laufsperre.h"

#include "Meldungstexte.h"
#include "QuendelhofVersion.h"
#include "act/Wartezeiten.h"
#include "modHaupt.h"
#include "platform/Waiting.h"

namespace modHaupt {

Laufsperre::Laufsperre() {
    platform::TakeRunLock(
        {QUENDELHOF_PRODUCT_NAME_W, meldungstext::kAndererLaufWartet,
         meldungstext::kAndererLaufNichtBeendet, static_cast<int>(Laufergebnis::Fehler)},
        wartezeiten::Aktuell().antwortMs);
}

Laufsperre::~Laufsperre() {
    platform::ReturnRunLock();
}

}  // namespace modHaupt
