#include "Bericht.h"

#include "Pruefungstexte.h"

namespace pruefung {

using platform::Text;

Text AlsText(const Zeile& zeile) {
    return pruefungstext::Marke(zeile.marke) + L" " + zeile.punkt + L": " + zeile.befund;
}

int Bericht::Exitcode() const {
    int code = 0;
    for (const Zeile& zeile : zeilen_) {
        if (zeile.marke == Marke::Fehler) {
            return 2;
        }
        if (zeile.marke == Marke::Hinweis) {
            code = 1;
        }
    }
    return code;
}

Text Bericht::Text(const platform::Text& kopf) const {
    int fehler = 0;
    int hinweise = 0;
    platform::Text text = kopf + L"\r\n";
    for (const Zeile& zeile : zeilen_) {
        fehler += zeile.marke == Marke::Fehler ? 1 : 0;
        hinweise += zeile.marke == Marke::Hinweis ? 1 : 0;
        text += L"\r\n" + AlsText(zeile);
    }
    text += L"\r\n\r\n" + pruefungstext::Ergebnis(fehler, hinweise);
    text += L"\r\n" + platform::Text(pruefungstext::kZwischenablage);
    return text;
}

}  // namespace pruefung
