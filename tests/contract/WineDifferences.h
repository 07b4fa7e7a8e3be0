// The one list of the places where Wine, under which the Windows backend's contract tests run,
// is known to differ from Windows. A row of a contract table names its entry; under Wine that
// row checks that Wine still differs (so the entry goes once Wine follows Windows) and reports
// itself skipped with the entry's text, while the simulated desktop and Windows itself are held
// to Windows' rule.
#pragma once

#include <string>

namespace portcontract {

enum class WineDifference {
    None,
    Utf8TakesNoBestFitFlag,
    Utf8TakesUsedDefaultReport,
    OtherCodePagesTakeErrInvalidChars,
    Utf8ReadingTakesOtherFlags,
    ThirtyTwoBitViewTakesLeadingBackslash,
};

struct KnownWineDifference {
    WineDifference difference;
    const char* windows;  // Windows' documented rule
    const char* wine;     // what Wine 8 does instead
    bool sixtyFourBitProgramsOnly = false;
};

inline constexpr KnownWineDifference kKnownWineDifferences[] = {
    {WineDifference::Utf8TakesNoBestFitFlag,
     "WideCharToMultiByte for UTF-8 fails with WC_NO_BEST_FIT_CHARS (ERROR_INVALID_FLAGS)",
     "Wine 8 converts as if the flag were not given"},
    {WineDifference::Utf8TakesUsedDefaultReport,
     "WideCharToMultiByte for UTF-8 fails when lpUsedDefaultChar is not null "
     "(ERROR_INVALID_PARAMETER)",
     "Wine 8 converts and reports no default character used"},
    {WineDifference::OtherCodePagesTakeErrInvalidChars,
     "WideCharToMultiByte fails with WC_ERR_INVALID_CHARS for every code page but UTF-8 and "
     "GB18030 (ERROR_INVALID_FLAGS)",
     "Wine 8 converts as if the flag were not given"},
    {WineDifference::Utf8ReadingTakesOtherFlags,
     "MultiByteToWideChar for UTF-8 fails with any flag but MB_ERR_INVALID_CHARS "
     "(ERROR_INVALID_FLAGS)",
     "Wine 8 converts as if the flag were not given"},
    {WineDifference::ThirtyTwoBitViewTakesLeadingBackslash,
     "RegCreateKeyExA fails for a subkey that begins with a backslash (ERROR_BAD_PATHNAME)",
     "Wine 8 creates it in a 64-bit program that asks for the 32-bit view (KEY_WOW64_32KEY), as "
     "the port does",
     true},
};

inline const KnownWineDifference* Find(WineDifference difference) {
    for (const KnownWineDifference& known : kKnownWineDifferences) {
        if (known.difference == difference) {
            return &known;
        }
    }
    return nullptr;
}

// Whether the difference shows in this program under Wine.
inline bool ShowsUnderWine(WineDifference difference) {
    const KnownWineDifference* known = Find(difference);
    return known != nullptr && (!known->sixtyFourBitProgramsOnly || sizeof(void*) == 8);
}

// The entry's text, for the report of a row that meets it.
inline std::string Describe(WineDifference difference) {
    const KnownWineDifference* known = Find(difference);
    return known == nullptr ? "no known difference"
                            : std::string("Windows: ") + known->windows + "; " + known->wine;
}

}  // namespace portcontract
