// ACT!'s registry keys on the machine the tests run on. The tests write ACT!'s settings, register
// the stand-in as ACT!'s automation server and delete what they wrote: on a machine with a real
// ACT! installation that would overwrite and delete the user's. Every key the tests make carries
// the value QuendelhofTestBed (standin/StandinIds.h); a key of ACT! without it stops the tests
// before they touch anything, unless the machine is declared a throwaway one
// (QH_TESTS_THROWAWAY_MACHINE=1).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace winetest {

// Whether the environment declares this machine a throwaway one, whose ACT! keys the tests may
// overwrite and delete: QH_TESTS_THROWAWAY_MACHINE is 1.
bool ThrowawayMachine();

// ACT!'s keys that exist here without the mark (settings in HKCU and in both views of HKLM,
// the automation server's ProgID and class), as readable names; none on a throwaway machine.
std::vector<std::wstring> ForeignActKeys();

// The message that stops the tests when ForeignActKeys() found some.
std::wstring ActKeysRefusal(const std::vector<std::wstring>& keys);

// Marks an open key (created with KEY_SET_VALUE) as made by the tests.
LSTATUS MarkAsMadeByTests(HKEY key);

// ACT!'s settings anew: HKCU\Software\Symantec\ACT! and HKLM\SOFTWARE\Symantec\ACT! in both
// views, made by the tests and empty. False when one could not be made.
bool ResetActSettings();

// Deletes ACT!'s settings keys that the tests made (any on a throwaway machine), and
// Software\Symantec where nothing else is left in it. Keys without the mark stay.
void DeleteActSettings();

}  // namespace winetest
