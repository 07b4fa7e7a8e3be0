// The messages of a busy or hung ACT!. Every box is titled with the program's name.
#pragma once

namespace Wartemeldungen {

// ACT! has rejected a call for the busy time. Yes and No, exclamation mark; Yes tries on for
// another such time.
inline constexpr const wchar_t* kACTBeschaeftigt =
    L"ACT! ist beschäftigt und nimmt im Moment keine Befehle an.\r\n"
    L"Bitte schließen Sie alle geöffneten Hinweisfenster in ACT!\r\n"
    L"Weiter versuchen?";

// A call to ACT! has not returned after the answer time. Yes and No, exclamation mark; Yes
// waits another such time.
inline constexpr const wchar_t* kACTAntwortetNicht =
    L"ACT! antwortet nicht.\r\n"
    L"Soll weiter auf ACT! gewartet werden?";

// After No to kACTAntwortetNicht, before the run ends with exit code 2. OK, exclamation mark.
inline constexpr const wchar_t* kACTHatNichtGeantwortet =
    L"ACT! hat nicht geantwortet. Quendelhof wird beendet.";

}  // namespace Wartemeldungen
