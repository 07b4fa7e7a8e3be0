#include "Pruefungstexte.h"

#include <string>

namespace pruefungstext {

namespace {

using pruefung::Marke::Fehler;
using pruefung::Marke::Hinweis;
using pruefung::Marke::Ok;

Text Q(const Text& pfad) {
    return L"\"" + pfad + L"\"";
}

const Text kNeuInstallieren = L"ACT! 6 reparieren oder neu installieren.";
const Text kServer = L"Automationsserver";
const Text kAntwortet = L"ACT! antwortet";
const Text kQuendelhof = L"Quendelhof.exe";
const Text kSignatur = L"Signatur";
const Text kWartezeit = L"QUENDELHOF_WAIT";
const Text kInstallDir = L"ACT! 6 installiert";
const Text kVersionDatei = L"Dateiversion von ACT.EXE";
const Text kOrdner = L"Programmordner";
const Text kDatenbank = L"Geöffnete Datenbank";
const Text kDatei = L"Datenbankdatei";

Text Grenzen(const Text& antwort, const Text& beschaeftigt) {
    return L"Grenzen: " + antwort + L" s ohne Antwort, " + beschaeftigt + L" s beschäftigt.";
}

}  // namespace

Text Marke(pruefung::Marke marke) {
    switch (marke) {
        case Ok:
            return L"[OK]";
        case Hinweis:
            return L"[Hinweis]";
        case Fehler:
            break;
    }
    return L"[Fehler]";
}

Text Kopf(const Text& version, const Text& bits) {
    return Text(kTitel) + L" " + version + L" (" + bits + L" Bit)";
}

Text Ergebnis(int fehler, int hinweise) {
    return L"Ergebnis: " + std::to_wstring(fehler) + L" Fehler, " + std::to_wstring(hinweise) +
           (hinweise == 1 ? L" Hinweis." : L" Hinweise.");
}

Zeile Windows(const Text& version, const Text& bitsWindows, const Text& bitsProgramm) {
    return {Ok, L"Windows",
            version + L", " + bitsWindows + L"-Bit-Windows, Prüfung als " + bitsProgramm +
                L"-Bit-Programm."};
}
Zeile CodepageGut(const Text& codepage) {
    return {Ok, L"ANSI-Codepage",
            codepage + L"; der Pfad des Programmordners ist darin darstellbar."};
}
Zeile CodepageSchlecht(const Text& codepage) {
    return {Fehler, L"ANSI-Codepage",
            codepage +
                L"; der Pfad des Programmordners enthält Zeichen, die sie nicht darstellt. "
                L"Quendelhof in einen Ordner legen, dessen Pfad nur solche Zeichen enthält "
                L"(z. B. unter C:\\Programme)."};
}
Zeile Administrator(bool ja) {
    return {Ok, L"Administratorrechte",
            ja ? L"ja." : L"nein (die Prüfung braucht keine, Quendelhof auch nicht)."};
}

Zeile OrdnerGeschuetzt(const Text& ordner) {
    return {Ok, kOrdner, Q(ordner) + L"; gewöhnliche Benutzer dürfen dort nicht schreiben."};
}
Zeile OrdnerOffen(const Text& ordner, const Text& gruppen) {
    return {Hinweis, kOrdner,
            Q(ordner) + L"; dort dürfen schreiben: " + gruppen +
                L". Jeder Benutzer (und jedes Programm, das er startet) kann Quendelhof.exe "
                L"ersetzen oder eine DLL danebenlegen. Als Administrator schützen: icacls " +
                Q(ordner) + L" /setowner *S-1-5-32-544 /T, dann icacls " + Q(ordner) +
                L" /inheritance:r /grant:r *S-1-5-32-544:(OI)(CI)F *S-1-5-18:(OI)(CI)F "
                L"*S-1-5-32-545:(OI)(CI)RX (siehe LIESMICH)."};
}
Zeile OrdnerUnbekannt(const Text& ordner) {
    return {Hinweis, kOrdner,
            Q(ordner) + L"; die Zugriffsrechte ließen sich nicht lesen. Mit icacls " + Q(ordner) +
                L" prüfen, dass Benutzer dort nur lesen und ausführen dürfen."};
}
Zeile KeinDownloadVermerk() {
    return {Ok, L"Download-Vermerk", L"keiner an den Programmen."};
}
Zeile DownloadVermerk(const Text& datei) {
    return {Hinweis, L"Download-Vermerk",
            Q(datei) +
                L" trägt noch den Vermerk aus dem Internet. Die Datei entsperren: mit "
                L"der rechten Maustaste auf die Datei, „Eigenschaften“, „Zulassen“."};
}
Zeile QuendelhofGleich(const Text& version) {
    return {Ok, kQuendelhof, L"liegt daneben, Version " + version + L" wie diese Prüfung."};
}
Zeile QuendelhofAnders(const Text& version, const Text& eigene) {
    return {Hinweis, kQuendelhof,
            L"liegt daneben, aber in Version " + version + L", diese Prüfung hat " + eigene +
                L". Beide Programme aus demselben Zip entpacken."};
}
Zeile QuendelhofFehlt(const Text& ordner) {
    return {Fehler, kQuendelhof,
            L"fehlt in " + Q(ordner) + L". Beide Programme aus demselben Zip entpacken."};
}
Zeile SigniertGueltig() {
    return {Ok, kSignatur, L"Quendelhof.exe ist gültig signiert."};
}
Zeile NichtSigniert() {
    return {Ok, kSignatur,
            L"Quendelhof.exe ist nicht signiert. Im Virenschutz oder in AppLocker nach der "
            L"Prüfsumme aus SHA256SUMS zulassen, nicht nach dem Ordner."};
}
Zeile SignaturUngueltig() {
    return {Fehler, kSignatur,
            L"die Signatur von Quendelhof.exe ist ungültig oder nicht vertrauenswürdig; die "
            L"Datei kann verändert sein. Quendelhof neu herunterladen und die Prüfsumme mit "
            L"SHA256SUMS vergleichen."};
}
Zeile SignaturUnbekannt() {
    return {Hinweis, kSignatur, L"Windows konnte die Signatur von Quendelhof.exe nicht prüfen."};
}

Zeile WartezeitNichtGesetzt(const Text& antwort, const Text& beschaeftigt) {
    return {Ok, kWartezeit, L"nicht gesetzt. " + Grenzen(antwort, beschaeftigt)};
}
Zeile WartezeitGelesen(const Text& wert, const Text& antwort, const Text& beschaeftigt) {
    return {Ok, kWartezeit, L"„" + wert + L"“. " + Grenzen(antwort, beschaeftigt)};
}
Zeile WartezeitUnlesbar(const Text& wert, const Text& antwort, const Text& beschaeftigt) {
    return {Hinweis, kWartezeit,
            L"„" + wert +
                L"“ wird nicht beachtet: erwartet ist hang=SEKUNDEN,busy=SEKUNDEN mit 0,1 bis "
                L"86400 Sekunden. " +
                Grenzen(antwort, beschaeftigt)};
}

Zeile InstallDirGut(const Text& ordner) {
    return {
        Ok, kInstallDir,
        L"InstallDir " + Q(ordner) + L" (32-Bit-Ansicht der Registrierung, die Quendelhof liest)."};
}
Zeile InstallDirAbweichend(const Text& ordner, const Text& ordner64) {
    return {Hinweis, kInstallDir,
            L"InstallDir " + Q(ordner) +
                L" (32-Bit-Ansicht, die Quendelhof liest); die "
                L"64-Bit-Ansicht nennt " +
                Q(ordner64) + L". Reste einer anderen ACT!-Installation entfernen."};
}
Zeile InstallDirNur64(const Text& ordner64) {
    return {Fehler, kInstallDir,
            L"InstallDir steht nur in der 64-Bit-Ansicht der Registrierung (" + Q(ordner64) +
                L"); Quendelhof liest die 32-Bit-Ansicht. " + kNeuInstallieren};
}
Zeile InstallDirFehlt() {
    return {Fehler, kInstallDir,
            L"nein, kein InstallDir in der Registrierung. ACT! 6 installieren."};
}
Zeile ActExeVorhanden(const Text& datei) {
    return {Ok, L"ACT.EXE", Q(datei) + L" ist vorhanden."};
}
Zeile ActExeFehlt(const Text& datei) {
    return {Fehler, L"ACT.EXE", Q(datei) + L" fehlt. " + kNeuInstallieren};
}
Zeile DateiversionGut(const Text& version) {
    return {Ok, kVersionDatei, version + L"."};
}
Zeile DateiversionFalsch(const Text& version) {
    return {Fehler, kVersionDatei, version + L"; Quendelhof braucht ACT! 6."};
}
Zeile DateiversionFehlt() {
    return {Hinweis, kVersionDatei, L"die Datei nennt keine Version."};
}

Zeile ProgIdFehlt() {
    return {Fehler, kServer, L"ACTOLE.APPOBJECT ist nicht registriert. " + kNeuInstallieren};
}
Zeile KlasseNurAndereAnsicht(const Text& klasse) {
    return {Fehler, kServer,
            L"die Klasse " + klasse +
                L" ist nur in der 64-Bit-Ansicht der Registrierung eingetragen; ACT! 6 gehört "
                L"in die 32-Bit-Ansicht. " +
                kNeuInstallieren};
}
Zeile KlasseOhneServer(const Text& klasse) {
    return {Fehler, kServer,
            L"die Klasse " + klasse + L" nennt kein Programm (LocalServer32). " + kNeuInstallieren};
}
Zeile ServerFehlt(const Text& datei) {
    return {Fehler, kServer,
            L"das eingetragene Programm " + Q(datei) + L" fehlt. " + kNeuInstallieren};
}
Zeile ServerWoanders(const Text& datei, const Text& actExe) {
    return {Fehler, kServer,
            L"eingetragen ist " + Q(datei) + L", nicht " + Q(actExe) +
                L" aus InstallDir: ein Rest einer zweiten oder entfernten ACT!-Installation. "
                L"ACT! 6 reparieren oder die überzählige Installation entfernen."};
}
Zeile ServerGut(const Text& datei) {
    return {Ok, kServer, L"ACTOLE.APPOBJECT startet " + Q(datei) + L" (32-Bit-Ansicht)."};
}

Zeile LayoutVorhanden(const Text& art, const Text& datei) {
    return {Ok, art, Q(datei) + L" ist vorhanden."};
}
Zeile LayoutFehlt(const Text& art, const Text& datei) {
    return {Hinweis, art, Q(datei) + L" fehlt. In ACT! ein vorhandenes Layout wählen."};
}
Zeile LayoutNichtGesetzt(const Text& art) {
    return {Ok, art, L"keines eingestellt."};
}

Zeile ActLaeuft() {
    return {Ok, L"ACT! läuft", L"ja, das Hauptfenster ist gefunden."};
}
Zeile ActLaeuftNicht() {
    return {Hinweis, L"ACT! läuft",
            L"nein. ACT! starten, eine Datenbank öffnen und die Prüfung wiederholen, damit sie "
            L"ACT!s Antworten prüft."};
}
Zeile VersionGut(const Text& version, const Text& ms) {
    return {Ok, L"ACT!-Version", L"„" + version + L"“ (Antwort nach " + ms + L" ms)."};
}
Zeile VersionFalsch(const Text& version, const Text& ms) {
    return {Fehler, L"ACT!-Version",
            L"„" + version + L"“ (Antwort nach " + ms + L" ms); Quendelhof braucht ACT! 6."};
}
Zeile Beschaeftigt(const Text& sekunden) {
    return {Fehler, kAntwortet,
            L"nein, ACT! war " + sekunden +
                L" s lang beschäftigt. Offene Hinweisfenster in ACT! schließen und die Prüfung "
                L"wiederholen."};
}
Zeile NichtErreichbar() {
    return {Fehler, kAntwortet,
            L"nein, ACT! wurde beendet oder ist nicht erreichbar. ACT! neu starten und die "
            L"Prüfung wiederholen."};
}
Zeile Fehlermeldung(const Text& nummer, const Text& beschreibung) {
    return {Fehler, kAntwortet,
            L"nein, Fehler " + nummer + L": " + beschreibung +
                L". Die Zeilen zum Automationsserver beachten; ACT! neu starten."};
}
Zeile KeineAntwort(const Text& sekunden) {
    return {Fehler, kAntwortet,
            L"nein, keine Antwort nach " + sekunden +
                L" s. ACT! im Task-Manager beenden und neu starten; braucht ACT! für große "
                L"Datenbanken länger, QUENDELHOF_WAIT erhöhen."};
}
Zeile NichtGeprueft() {
    return {Hinweis, L"Weitere Prüfungen", L"nicht ausgeführt, da ACT! nicht antwortet."};
}
Zeile Datenbank(const Text& datei, const Text& ms) {
    return {Ok, kDatenbank, Q(datei) + L" (Antwort nach " + ms + L" ms)."};
}
Zeile KeineDatenbank(const Text& ms) {
    return {Hinweis, kDatenbank,
            L"keine (Antwort nach " + ms +
                L" ms). In ACT! eine Datenbank öffnen, damit die Prüfung die Befehlszeile bildet."};
}
Zeile DatenbankdateiVorhanden() {
    return {Ok, kDatei, L"ist vorhanden."};
}
Zeile DatenbankdateiFehlt(const Text& datei) {
    return {Fehler, kDatei,
            Q(datei) +
                L" fehlt, ist nicht erreichbar oder hat Zeichen, die die ANSI-Codepage "
                L"nicht darstellt."};
}
Zeile KurzformGut(const Text& kurz) {
    return {Ok, L"Kurzform", Q(kurz) + L"."};
}
Zeile KurzformMitLeerzeichen(const Text& kurz) {
    return {Hinweis, L"Kurzform",
            Q(kurz) +
                L" enthält Leerzeichen: das Laufwerk führt keine 8.3-Namen, und die "
                L"Befehlszeile verträgt keine Leerzeichen. Die Datenbank in einen Ordner "
                L"ohne Leerzeichen legen."};
}
Zeile Befehlszeile(const Text& beispiel) {
    return {Ok, L"Befehlszeile", beispiel};
}

}  // namespace pruefungstext
