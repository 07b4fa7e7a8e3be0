// One run of the program at a time in the user's session, so that ACT! never sees the calls of
// two runs mixed and the layouts always belong to the database opened last.
#pragma once

namespace modHaupt {

// The question while another run holds the lock, after the answer time of Wartezeiten. Yes
// and No, exclamation mark; Yes waits another such time.
inline constexpr const wchar_t* kAndererLaufWartet =
    L"Quendelhof wird gerade schon ausgeführt.\r\n"
    L"Soll gewartet werden, bis der andere Aufruf beendet ist?";

// After No to kAndererLaufWartet, before the run ends with exit code 2. OK, exclamation mark.
inline constexpr const wchar_t* kAndererLaufNichtBeendet =
    L"Der andere Aufruf von Quendelhof ist noch nicht beendet. Dieser Aufruf wird abgebrochen.";

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
