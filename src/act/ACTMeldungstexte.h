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

// ACT! has rejected a call for the busy time. Yes and No, exclamation mark; Yes tries on for
// another such time.
inline constexpr wchar_t kACTBeschaeftigt[] =
    L"ACT! ist beschäftigt und nimmt im Moment keine Befehle an.\r\n"
    L"Bitte schließen Sie alle geöffneten Hinweisfenster in ACT!\r\n"
    L"Weiter versuchen?";

// After No to kACTBeschaeftigt, before the run ends with exit code 2. OK, exclamation mark.
inline constexpr wchar_t kACTWeiterhinBeschaeftigt[] =
    L"ACT! ist weiterhin beschäftigt. Quendelhof wird beendet.";

// A call to ACT! failed because ACT! was ended (closed, ended in the task manager, crashed) or
// can no longer be reached; the run then ends with exit code 2. OK, exclamation mark.
inline constexpr wchar_t kACTNichtErreichbar[] =
    L"ACT! wurde beendet oder ist nicht mehr erreichbar. Quendelhof wird beendet.\r\n"
    L"Bitte starten Sie ACT! und rufen Sie den Befehl noch einmal auf.";

// A call to ACT! has not returned after the answer time. Yes and No, exclamation mark; Yes
// waits another such time.
inline constexpr wchar_t kACTAntwortetNicht[] =
    L"ACT! antwortet nicht.\r\n"
    L"Soll weiter auf ACT! gewartet werden?";

// After No to kACTAntwortetNicht, before the run ends with exit code 2. OK, exclamation mark.
// The questions and farewells about a busy, hung or vanished ACT! come to the front above ACT!.
inline constexpr wchar_t kACTHatNichtGeantwortet[] =
    L"ACT! hat nicht geantwortet. Quendelhof wird beendet.";

// A field type word that names neither contacts nor groups.
platform::Text FalscherFeldtyp(const platform::Text& feldtyp);

}  // namespace actmeldungstext
