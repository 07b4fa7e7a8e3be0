// Where the Windows test programs find each other: in the folder of the running program (the
// test bundle, wherever it was copied), or below the root that the environment variable
// QH_TESTS_ROOT names. Nothing of the machine that built them is compiled in.
#pragma once

#include <string>

namespace winetest {

// The full Windows path of a file of the bundle, given relative to its root.
std::wstring BundleFile(const std::wstring& relativePath);

// Whether this process runs under Wine (ntdll exports wine_get_version): what only Wine needs
// is done only then.
bool RunsUnderWine();

}  // namespace winetest
