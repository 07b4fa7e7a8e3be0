#include "Laufsperre.h"

#include "act/Wartezeiten.h"
#include "meldungen/Meldungen.h"
#include "modHaupt.h"
#include "platform/Waiting.h"

namespace modHaupt {

Laufsperre::Laufsperre() {
    using meldungen::Id;
    platform::TakeRunLock(
        {meldungen::Titel(Id::AndererLaufWartet), meldungen::Wortlaut(Id::AndererLaufWartet),
         meldungen::Wortlaut(Id::AndererLaufNichtBeendet),
         meldungen::Eintrag(Id::AndererLaufNichtBeendet).ende},
        wartezeiten::Aktuell().antwortMs);
}

Laufsperre::~Laufsperre() {
    platform::ReturnRunLock();
}

}  // namespace modHaupt
