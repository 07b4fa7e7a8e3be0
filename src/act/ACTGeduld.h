// Patience with ACT!: every call to ACT!, and the creation of its application object, is made
// again while ACT! is busy and watched while it runs, so that no call blocks the run for good.
//
// Busy: a call that ACT! rejects (ServerBusy) is made again once per repeat time, with the
// thread's window messages dispatched in between. When ACT! has refused it for the busy time,
// the user is asked whether to keep trying (meldungen::Id::ACTBeschaeftigt): Yes gives ACT!
// another such time, No ends the run with exit code 2 after ACTWeiterhinBeschaeftigt
// (platform::ProcessEnded, which only the program's outermost frame catches).
// Gone: a call that fails because ACT! has ended or cannot be reached (ServerGone) ends the run
// likewise, after ACTNichtErreichbar; when ACT!'s main window is still there, ACT! runs but
// refuses the connection, and the run ends after ACTVerweigertVerbindung instead. Errors that
// ACT! raises pass on unchanged.
// Hung: a call that has not returned after the answer time gets the question whether to wait
// on (ACTAntwortetNicht); No ends the run with exit code 2 after ACTHatNichtGeantwortet
// (platform::WatchedWait). The times are those of wartezeiten, read when the application object
// is made. The hung question and every farewell come to the front, topmost (kMbInFront); the
// busy question comes to the foreground without staying on top, so that it does not cover the
// dialog in ACT! that it asks the user to close.
#pragma once

#include "platform/Waiting.h"
#include "platform/core/Types.h"
#include "platform/core/Variant.h"

namespace actgeduld {

// ACT!'s application object, made from the ProgID with patience. Its calls, and those of every
// object it hands out (and theirs in turn), are made with the same patience; the last release
// of each is watched as well.
platform::ObjectRef ErzeugeAnwendung(const platform::Text& progId);

// Thrown instead of the farewell when ACT! is found gone while a FortGiltAlsNichtGestartet lives.
struct ACTFort {};

// While one of these lives, ACT! found gone (its main window gone too) counts as ACT! not
// running: the call throws ACTFort, for the caller to take as such, instead of telling the user
// and ending the run. An ACT! that refuses the connection still ends the run.
class [[nodiscard]] FortGiltAlsNichtGestartet {
  public:
    FortGiltAlsNichtGestartet();
    ~FortGiltAlsNichtGestartet();
    FortGiltAlsNichtGestartet(const FortGiltAlsNichtGestartet&) = delete;
    FortGiltAlsNichtGestartet& operator=(const FortGiltAlsNichtGestartet&) = delete;
};

// While one of these lives, the next call to ACT! that returns completes the run's work with
// ACT!. A release that hangs after it is waited for once, for the answer time, without a
// question; then the run ends with exit code 0, since its work is done.
class [[nodiscard]] LetzterAufruf {
  public:
    LetzterAufruf();
    ~LetzterAufruf();
    LetzterAufruf(const LetzterAufruf&) = delete;
    LetzterAufruf& operator=(const LetzterAufruf&) = delete;
};

// Tells the user that ACT! has gone and ends the run with exit code 2.
[[noreturn]] void BeendeWeilACTFort();

// For a program that only looks at ACT! and reports what it finds: from this call on nobody is
// asked. A call that a busy ACT! has rejected for the busy time throws platform::ServerBusy, one
// whose ACT! has gone platform::ServerGone, both without a message; a call that has not returned
// after the answer time ends the run with the prompt's farewell and exit code, without a
// question (the prompt's question is not used). Called again, it replaces the prompt.
void OhneFragen(const platform::WaitPrompt& abschied);

}  // namespace actgeduld
