#include "ZeigeMeldung.h"

#include "platform/MessageBox.h"

namespace meldungen {

std::uint32_t Stil(Id id) {
    const Meldung& meldung = Eintrag(id);
    std::uint32_t stil = meldung.knoepfe == Knoepfe::JaNein ? platform::kMbYesNo : platform::kMbOk;
    switch (meldung.symbol) {
        case Symbol::Keins:
            break;
        case Symbol::Information:
            stil |= platform::kMbIconInformation;
            break;
        case Symbol::Frage:
            stil |= platform::kMbIconQuestion;
            break;
        case Symbol::Ausrufezeichen:
            stil |= platform::kMbIconExclamation;
            break;
    }
    switch (meldung.lage) {
        case Lage::Gewoehnlich:
            break;
        case Lage::Vordergrund:
            stil |= platform::kMbSetForeground;
            break;
        case Lage::Vorn:
            stil |= platform::kMbInFront;
            break;
    }
    return stil;
}

std::int32_t ZeigeMeldung(Id id, std::initializer_list<platform::Text> werte) {
    return platform::ShowMessageBox(Wortlaut(id, werte), Titel(id, werte), Stil(id));
}

}  // namespace meldungen
