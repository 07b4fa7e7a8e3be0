// The texts of the messages of clACTApplication. The class shows them through these names only;
// the user's guide quotes those that Quendelhof.exe can show, and a unit test holds the two
// together. What a call fills in (a number, a word) is a parameter.
#pragma once

#include "platform/Types.h"

namespace actmeldungstext {

// Three lines: where it happened, ACT!'s error number, and that the database is still open.
platform::Text CloseDBFehler(const platform::Text& nummer);

// ACT! gives no view collection.
inline constexpr wchar_t kKeineViews[] = L"OLE-Verbindung zu ACT! ist nicht möglich.(View)";

// ACT! gives no view: three lines, the last a question whether to try again.
inline constexpr wchar_t kKeinView[] =
    L"Eine OLE-Verbindung zu Act! ist nicht möglich.\r\n"
    L"Bitte schließen Sie alle geöffneten Hinweisfenster in ACT!\r\n"
    L"Weiter versuchen ?";

// ACT! has rejected a call for the busy time. Yes and No, exclamation mark, in the foreground
// but not topmost, so that it does not cover the dialog in ACT! that it asks to close; Yes tries
// on for another such time.
inline constexpr wchar_t kACTBeschaeftigt[] =
    L"ACT! ist beschäftigt und nimmt im Moment keine Befehle an.\r\n"
    L"Bitte schließen Sie alle geöffneten Hinweisfenster in ACT!\r\n"
    L"Weiter versuchen?";

// After No to kACTBeschaeftigt, before the run ends with exit code 2. OK, exclamation mark.
inline constexpr wchar_t kACTWeiterhinBeschaeftigt[] =
    L"ACT! ist weiterhin beschäftigt. Quendelhof wird beendet.\r\n"
    L"In ACT! ist jetzt möglicherweise keine Datenbank geöffnet.\r\n"
    L"Bitte schließen Sie alle Hinweisfenster in ACT! und rufen Sie den Benutzerbefehl noch "
    L"einmal auf.";

// A call to ACT! failed because ACT! was ended (closed, ended in the task manager, crashed) or
// can no longer be reached, and its main window is gone; the run then ends with exit code 2.
// OK, exclamation mark.
inline constexpr wchar_t kACTNichtErreichbar[] =
    L"ACT! wurde geschlossen oder ist nicht mehr erreichbar. Quendelhof wird beendet.\r\n"
    L"Bitte starten Sie ACT! und rufen Sie den Benutzerbefehl noch einmal auf.";

// A call to ACT! failed as if ACT! had ended, but its main window is still there: ACT! runs
// and refuses the connection, mostly because it runs with other rights than Quendelhof ("Als
// Administrator ausführen", another user). The run then ends with exit code 2. OK,
// exclamation mark.
inline constexpr wchar_t kACTVerweigertVerbindung[] =
    L"ACT! läuft, lässt aber keine Verbindung von Quendelhof zu. Quendelhof wird beendet.\r\n"
    L"In ACT! ist jetzt möglicherweise keine Datenbank geöffnet.\r\n"
    L"Meist läuft ACT! mit anderen Rechten als Quendelhof (etwa mit „Als Administrator "
    L"ausführen“) oder unter einem anderen Benutzer.\r\n"
    L"Bitte beenden Sie ACT!, starten Sie es wie gewohnt und rufen Sie den Benutzerbefehl noch "
    L"einmal auf.";

// A call to ACT! has not returned after the answer time. Yes and No, exclamation mark, topmost;
// Yes waits another such time.
inline constexpr wchar_t kACTAntwortetNicht[] =
    L"ACT! antwortet nicht.\r\n"
    L"Soll weiter auf ACT! gewartet werden?";

// After No to kACTAntwortetNicht, before the run ends with exit code 2. OK, exclamation mark.
// The questions and farewells about a busy, hung or vanished ACT! come to the front above ACT!.
inline constexpr wchar_t kACTHatNichtGeantwortet[] =
    L"ACT! hat nicht geantwortet. Quendelhof wird beendet.\r\n"
    L"In ACT! ist jetzt möglicherweise keine Datenbank geöffnet.\r\n"
    L"Bitte warten Sie, bis ACT! wieder reagiert, und rufen Sie den Benutzerbefehl noch einmal "
    L"auf.";

// A field type word that names neither contacts nor groups.
platform::Text FalscherFeldtyp(const platform::Text& feldtyp);

}  // namespace actmeldungstext
