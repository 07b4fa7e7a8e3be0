// The simulated ACT!'s state as a text file of the world folder (act.ini).
#pragma once

#include <istream>
#include <ostream>

namespace platform::sim {

// Reads the state into the simulated ACT!. Lines it does not understand are skipped; a value
// that cannot be read leaves its setting as it was.
void ReadActState(std::istream& in);

// Writes the simulated ACT!'s state in the form ReadActState reads.
void WriteActState(std::ostream& out);

}  // namespace platform::sim
