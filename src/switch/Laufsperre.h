// One run of the program at a time in the user's session, so that ACT! never sees the calls of
// two runs mixed and the layouts always belong to the database opened last.
#pragma once

namespace modHaupt {

// Holds the run lock of the session from its making to its end: waits while another run holds
// it, asks after the answer time whether to wait on, and ends the process after No (see
// platform::TakeRunLock).
class Laufsperre {
  public:
    Laufsperre();
    ~Laufsperre();
    Laufsperre(const Laufsperre&) = delete;
    Laufsperre& operator=(const Laufsperre&) = delete;
};

}  // namespace modHaupt
