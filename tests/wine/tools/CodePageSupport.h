// Whether this Windows honours a manifest's activeCodePage, through which the tests' code-page
// programs ask for their ANSI code page: Windows 10 version 1903 and later, and Wine. Where it
// does not, those programs run under the system's code page instead, and their tests are
// skipped as not supported here, never passed.
#pragma once

namespace winetest {

bool ManifestCodePagesHonoured();

}  // namespace winetest
