#include "Meldungen.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "QuendelhofVersion.h"

namespace meldungen {

namespace {

using platform::Text;

constexpr std::size_t kAnzahl = static_cast<std::size_t>(Id::Anzahl);
constexpr std::array<const wchar_t*, 3> kOhneWert = {nullptr, nullptr, nullptr};
constexpr std::array<const wchar_t*, 3> kPfad = {L"<Pfad>", nullptr, nullptr};
constexpr int kAngehalten = 1;  // a message stopped the run
constexpr int kAbbruch = 2;     // the user gave up, or ACT! has gone

constexpr std::array<Meldung, kAnzahl> kMeldungen = {{
    {Id::Informationen,
     L"Informationen über <Produkt>",
     L"Version: <Version>\r\n"
     L"\r\n"
     L"Aufruf durch: Quendelhof.exe "
     L"<ACT!-Datenbankdatei.dbf>,<Kontaktlayoutdatei.cly>,<Gruppenlayoutdatei.gly>\r\n"
     L"\r\n"
     L"Es dürfen keine Leerzeichen in den Pfadangaben enthalten sein.\r\n"
     L"\r\n"
     L"<Beispiel>\r\n"
     L"\r\n"
     L"Copyright © 2026 <Produkt>",
     {L"<Produkt>", L"<Version>", L"<Beispiel>"},
     Symbol::Information,
     Knoepfe::Ok,
     Lage::Gewoehnlich,
     kLaeuftWeiter,
     true},
    // The blank after the colon belongs to the text.
    {Id::Beispiel,
     nullptr,
     L"Beispiel für die Befehlszeile: \r\n"
     L"<Befehlszeile>\r\n"
     L"\r\n"
     L"Die Daten für diese Befehlszeile wurden aus den aktuellen ACT!-Einstellungen genommen.\r\n"
     L"Die Befefehlszeile wurde in die Zwischenablage kopiert, so dass sie bei einem neuen "
     L"Benutzerbefehl in ACT! eingefügt werden kann.",
     {L"<Befehlszeile>", nullptr, nullptr},
     Symbol::Information,
     Knoepfe::Ok,
     Lage::Gewoehnlich,
     kLaeuftWeiter,
     true},

    {Id::DatenbankdateiFehlt, nullptr, L"Die ACT!-Datenbankdatei \"<Pfad>\" wurde nicht gefunden.",
     kPfad, Symbol::Ausrufezeichen, Knoepfe::Ok, Lage::Gewoehnlich, kAngehalten, true},
    {Id::KontaktlayoutdateiFehlt, nullptr,
     L"Die Kontaktlayoutdatei \"<Pfad>\" wurde nicht gefunden.", kPfad, Symbol::Ausrufezeichen,
     Knoepfe::Ok, Lage::Gewoehnlich, kAngehalten, true},
    // Only a warning: the file is taken all the same.
    {Id::KeineKontaktlayoutdatei, nullptr, L"Die Datei \"<Pfad>\" ist keine Kontaktlayoutdatei.",
     kPfad, Symbol::Ausrufezeichen, Knoepfe::Ok, Lage::Gewoehnlich, kLaeuftWeiter, true},
    {Id::GruppenlayoutdateiFehlt, nullptr,
     L"Die Gruppenlayoutdatei \"<Pfad>\" wurde nicht gefunden.", kPfad, Symbol::Ausrufezeichen,
     Knoepfe::Ok, Lage::Gewoehnlich, kAngehalten, true},
    {Id::KeineGruppenlayoutdatei, nullptr, L"Die Datei \"<Pfad>\" ist keine Gruppenlayoutdatei.",
     kPfad, Symbol::Ausrufezeichen, Knoepfe::Ok, Lage::Gewoehnlich, kLaeuftWeiter, true},

    {Id::NurMitACT6, nullptr, L"Bitte verwenden Sie das Programm Quendelhof nur mit ACT! 6",
     kOhneWert, Symbol::Information, Knoepfe::Ok, Lage::Gewoehnlich, kAngehalten, true},
    // Yes opens the database again; No stops the run.
    {Id::DatenbankBereitsGeoeffnet, nullptr,
     L"Die ACT!-Datenbank \"<Pfad>\" ist bereits geöffnet.\r\n"
     L"Soll die Datenbank wiederholt geöffnet werden?",
     kPfad, Symbol::Frage, Knoepfe::JaNein, Lage::Gewoehnlich, kAngehalten, true},
    // ACT!'s error number; DatenbankNichtGeschlossen follows.
    {Id::CloseDBFehler,
     nullptr,
     L"Fehler in Klasse ACTApplication - CloseDB\r\n"
     L"ACT!-Fehlernummer:<Nummer>\r\n"
     L"Die Datenbank konnte nicht geschlossen werden.",
     {L"<Nummer>", nullptr, nullptr},
     Symbol::Ausrufezeichen,
     Knoepfe::Ok,
     Lage::Gewoehnlich,
     kLaeuftWeiter,
     true},
    {Id::DatenbankNichtGeschlossen, nullptr,
     L"Die aktuelle ACT!-Datenbank konnte nicht geschlossen werden.", kOhneWert,
     Symbol::Ausrufezeichen, Knoepfe::Ok, Lage::Gewoehnlich, kAngehalten, true},
    {Id::AnwendungNichtGefunden, nullptr, L"Die ACT!-Anwendung wurde nicht gefunden.", kOhneWert,
     Symbol::Keins, Knoepfe::Ok, Lage::Gewoehnlich, kAngehalten, true},

    // ACT! has rejected a call for the busy time; Yes tries on for another such time. It does
    // not stay on top, so that it does not cover the dialog in ACT! that it asks to close.
    {Id::ACTBeschaeftigt, nullptr,
     L"ACT! ist beschäftigt und nimmt im Moment keine Befehle an.\r\n"
     L"Bitte schließen Sie alle geöffneten Hinweisfenster in ACT!\r\n"
     L"Weiter versuchen?",
     kOhneWert, Symbol::Ausrufezeichen, Knoepfe::JaNein, Lage::Vordergrund, kLaeuftWeiter, true},
    {Id::ACTWeiterhinBeschaeftigt, nullptr,
     L"ACT! ist weiterhin beschäftigt. Quendelhof wird beendet.\r\n"
     L"In ACT! ist jetzt möglicherweise keine Datenbank geöffnet.\r\n"
     L"Bitte schließen Sie alle Hinweisfenster in ACT! und rufen Sie den Benutzerbefehl noch "
     L"einmal auf.",
     kOhneWert, Symbol::Ausrufezeichen, Knoepfe::Ok, Lage::Vorn, kAbbruch, true},
    // A call has not returned after the answer time; Yes waits another such time.
    {Id::ACTAntwortetNicht, nullptr,
     L"ACT! antwortet nicht.\r\n"
     L"Soll weiter auf ACT! gewartet werden?",
     kOhneWert, Symbol::Ausrufezeichen, Knoepfe::JaNein, Lage::Vorn, kLaeuftWeiter, true},
    {Id::ACTHatNichtGeantwortet, nullptr,
     L"ACT! hat nicht geantwortet. Quendelhof wird beendet.\r\n"
     L"In ACT! ist jetzt möglicherweise keine Datenbank geöffnet.\r\n"
     L"Bitte warten Sie, bis ACT! wieder reagiert, und rufen Sie den Benutzerbefehl noch einmal "
     L"auf.",
     kOhneWert, Symbol::Ausrufezeichen, Knoepfe::Ok, Lage::Vorn, kAbbruch, true},
    // ACT! was ended (closed, ended in the task manager, crashed) or cannot be reached, and its
    // main window is gone.
    {Id::ACTNichtErreichbar, nullptr,
     L"ACT! wurde geschlossen oder ist nicht mehr erreichbar. Quendelhof wird beendet.\r\n"
     L"Bitte starten Sie ACT! und rufen Sie den Benutzerbefehl noch einmal auf.",
     kOhneWert, Symbol::Ausrufezeichen, Knoepfe::Ok, Lage::Vorn, kAbbruch, true},
    // ACT!'s main window is there, but ACT! refuses the connection: mostly it runs with other
    // rights than Quendelhof ("Als Administrator ausführen", another user).
    {Id::ACTVerweigertVerbindung, nullptr,
     L"ACT! läuft, lässt aber keine Verbindung von Quendelhof zu. Quendelhof wird beendet.\r\n"
     L"In ACT! ist jetzt möglicherweise keine Datenbank geöffnet.\r\n"
     L"Meist läuft ACT! mit anderen Rechten als Quendelhof (etwa mit „Als Administrator "
     L"ausführen“) oder unter einem anderen Benutzer.\r\n"
     L"Bitte beenden Sie ACT!, starten Sie es wie gewohnt und rufen Sie den Benutzerbefehl noch "
     L"einmal auf.",
     kOhneWert, Symbol::Ausrufezeichen, Knoepfe::Ok, Lage::Vorn, kAbbruch, true},

    // Asked after the answer time while another run holds the lock; Yes waits another such time.
    {Id::AndererLaufWartet, nullptr,
     L"Quendelhof wird gerade schon ausgeführt.\r\n"
     L"Soll gewartet werden, bis der andere Aufruf beendet ist?",
     kOhneWert, Symbol::Ausrufezeichen, Knoepfe::JaNein, Lage::Vorn, kLaeuftWeiter, true},
    {Id::AndererLaufNichtBeendet, nullptr,
     L"Der andere Aufruf von Quendelhof ist noch nicht beendet. Dieser Aufruf wird abgebrochen.\r\n"
     L"An ACT! wurde nichts geändert.\r\n"
     L"Bitte warten Sie, bis der andere Aufruf beendet ist, und rufen Sie den Benutzerbefehl dann "
     L"noch einmal auf.",
     kOhneWert, Symbol::Ausrufezeichen, Knoepfe::Ok, Lage::Vorn, kAbbruch, true},

    // Titled with the procedure in which the failure arose. The run goes on after it, except
    // where it reports a failure that nothing handled.
    {Id::Fehlerfenster,
     L"<Stelle>",
     L"Error: <Nummer>. <Beschreibung>",
     {L"<Stelle>", L"<Nummer>", L"<Beschreibung>"},
     Symbol::Keins,
     Knoepfe::Ok,
     Lage::Gewoehnlich,
     kLaeuftWeiter,
     true},

    {Id::KeineViews, nullptr, L"OLE-Verbindung zu ACT! ist nicht möglich.(View)", kOhneWert,
     Symbol::Ausrufezeichen, Knoepfe::Ok, Lage::Gewoehnlich, kLaeuftWeiter, false},
    // Yes asks ACT! again.
    {Id::KeinView, nullptr,
     L"Eine OLE-Verbindung zu Act! ist nicht möglich.\r\n"
     L"Bitte schließen Sie alle geöffneten Hinweisfenster in ACT!\r\n"
     L"Weiter versuchen ?",
     kOhneWert, Symbol::Ausrufezeichen, Knoepfe::JaNein, Lage::Gewoehnlich, kLaeuftWeiter, false},
    // A field type word that names neither contacts nor groups.
    {Id::FalscherFeldtyp,
     nullptr,
     L"Falsche Feldtyp-Bezeichnung (<Feldtyp>). Es wird Kontakt benutzt.",
     {L"<Feldtyp>", nullptr, nullptr},
     Symbol::Ausrufezeichen,
     Knoepfe::Ok,
     Lage::Gewoehnlich,
     kLaeuftWeiter,
     false},
}};

constexpr bool InDerOrdnungDerIds() {
    for (std::size_t i = 0; i < kMeldungen.size(); ++i) {
        if (static_cast<std::size_t>(kMeldungen[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(InDerOrdnungDerIds(), "every Id has its entry, in the order of Id");

// The template with each placeholder replaced by its value. The template is read from left to
// right; a value is copied as it is.
Text Fuelle(const wchar_t* vorlage, const Meldung& meldung, std::initializer_list<Text> werte) {
    const Text quelle = vorlage;
    std::vector<std::pair<Text, const Text*>> ersetzungen;
    std::size_t i = 0;
    for (const Text& wert : werte) {
        if (i < meldung.platzhalter.size() && meldung.platzhalter[i] != nullptr) {
            ersetzungen.emplace_back(meldung.platzhalter[i], &wert);
        }
        ++i;
    }
    Text ergebnis;
    std::size_t pos = 0;
    while (pos < quelle.size()) {
        std::size_t naechste = Text::npos;
        const std::pair<Text, const Text*>* treffer = nullptr;
        for (const auto& ersetzung : ersetzungen) {
            std::size_t fund = quelle.find(ersetzung.first, pos);
            if (fund < naechste) {
                naechste = fund;
                treffer = &ersetzung;
            }
        }
        if (treffer == nullptr) {
            break;
        }
        ergebnis += quelle.substr(pos, naechste - pos) + *treffer->second;
        pos = naechste + treffer->first.size();
    }
    return ergebnis + quelle.substr(std::min(pos, quelle.size()));
}

}  // namespace

std::span<const Meldung> Alle() {
    return kMeldungen;
}

const Meldung& Eintrag(Id id) {
    return kMeldungen.at(static_cast<std::size_t>(id));
}

Text Wortlaut(Id id, std::initializer_list<Text> werte) {
    const Meldung& meldung = Eintrag(id);
    return Fuelle(meldung.text, meldung, werte);
}

Text Titel(Id id, std::initializer_list<Text> werte) {
    const Meldung& meldung = Eintrag(id);
    return meldung.titel == nullptr ? Text(QUENDELHOF_PRODUCT_NAME_W)
                                    : Fuelle(meldung.titel, meldung, werte);
}

}  // namespace meldungen
