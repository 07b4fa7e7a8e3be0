#include "Meldungstexte.h"

#include <string>

namespace modHaupt::meldungstext {

using platform::Text;

namespace {

Text MitPfad(const Text& kopf, const Text& pfad, const Text& schluss) {
    return kopf + L"\"" + pfad + L"\"" + schluss;
}

}  // namespace

Text DatenbankdateiFehlt(const Text& pfad) {
    return MitPfad(L"Die ACT!-Datenbankdatei ", pfad, L" wurde nicht gefunden.");
}

Text KontaktlayoutdateiFehlt(const Text& pfad) {
    return MitPfad(L"Die Kontaktlayoutdatei ", pfad, L" wurde nicht gefunden.");
}

Text KeineKontaktlayoutdatei(const Text& pfad) {
    return MitPfad(L"Die Datei ", pfad, L" ist keine Kontaktlayoutdatei.");
}

Text GruppenlayoutdateiFehlt(const Text& pfad) {
    return MitPfad(L"Die Gruppenlayoutdatei ", pfad, L" wurde nicht gefunden.");
}

Text KeineGruppenlayoutdatei(const Text& pfad) {
    return MitPfad(L"Die Datei ", pfad, L" ist keine Gruppenlayoutdatei.");
}

Text DatenbankBereitsGeoeffnet(const Text& pfad) {
    return MitPfad(L"Die ACT!-Datenbank ", pfad, L" ist bereits geöffnet.") +
           L"\r\nSoll die Datenbank wiederholt geöffnet werden?";
}

Text InformationenTitel(const Text& produkt) {
    return L"Informationen über " + produkt;
}

Text Versionszeile(const platform::ProgramVersion& version) {
    return L"Version: " + std::to_wstring(version.major) + L"." + std::to_wstring(version.minor) +
           L"." + std::to_wstring(version.revision);
}

Text Copyright(const Text& produkt) {
    return L"Copyright © 2026 " + produkt;
}

}  // namespace modHaupt::meldungstext
