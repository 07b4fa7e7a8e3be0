// What the Wine tests and the stand-in ACT! agree on: the classes it serves and the files it
// keeps in the folder of its executable.
#pragma once

#include <windows.h>

namespace standin {

// ACT!'s application object, ProgID "ACTOLE.APPOBJECT".
// {C8CC1111-296D-46A9-940E-899D2B6D0E7B}
inline constexpr CLSID kApplicationClsid = {
    0xc8cc1111, 0x296d, 0x46a9, {0x94, 0x0e, 0x89, 0x9d, 0x2b, 0x6d, 0x0e, 0x7b}};
inline constexpr wchar_t kApplicationClsidText[] = L"{C8CC1111-296D-46A9-940E-899D2B6D0E7B}";
inline constexpr wchar_t kApplicationProgId[] = L"ACTOLE.APPOBJECT";

// A progress display whose default property takes texts, as a caller of the search hands one.
// {91259728-BF5D-45DD-98A2-8DFC6113999E}
inline constexpr CLSID kStatusClsid = {
    0x91259728, 0xbf5d, 0x45dd, {0x98, 0xa2, 0x8d, 0xfc, 0x61, 0x13, 0x99, 0x9e}};
inline constexpr wchar_t kStatusClsidText[] = L"{91259728-BF5D-45DD-98A2-8DFC6113999E}";
inline constexpr wchar_t kStatusProgId[] = L"Quendelhof.TestStatus";

// The value that marks a registry key as made by the tests (the stand-in's registration among
// them), never by a real installation of ACT!: tools/ActKeys.h.
inline constexpr wchar_t kMadeByTestsValue[] = L"QuendelhofTestBed";

// Files in the folder of the stand-in's executable.
inline constexpr wchar_t kSetupFile[] = L"act.ini";         // read at the start (optional)
inline constexpr wchar_t kJournalFile[] = L"journal.txt";   // UTF-8, one line per entry
inline constexpr wchar_t kReadyFile[] = L"ready.txt";       // "<process id> <window handle>"
inline constexpr wchar_t kFinalStateFile[] = L"state.ini";  // the state at the end, act.ini form

}  // namespace standin
