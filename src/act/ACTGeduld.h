// Patience with ACT!: every call to ACT!, and the creation of its application object, is made
// again while ACT! is busy and watched while it runs, so that no call blocks the run for good.
//
// Busy: a call that ACT! rejects (ServerBusy) is made again once per repeat time, with the
// thread's window messages dispatched in between. When ACT! has refused it for the busy time,
// the user is asked whether to keep trying (actmeldungstext::kACTBeschaeftigt): Yes gives ACT!
// another such time, No ends the run with exit code 2 after kACTWeiterhinBeschaeftigt
// (platform::ProcessEnded, which only the program's outermost frame catches).
// Gone: a call that fails because ACT! has ended or cannot be reached (ServerGone) ends the run
// likewise, after kACTNichtErreichbar. Errors that ACT! raises pass on unchanged.
// Hung: a call that has not returned after the answer time gets the question whether to wait
// on (kACTAntwortetNicht); No ends the run with exit code 2 after kACTHatNichtGeantwortet
// (platform::WatchedWait). The times are those of wartezeiten, read when the application object
// is made. Every question and farewell comes to the front (platform::kMbInFront).
#pragma once

#include "platform/Types.h"
#include "platform/Variant.h"
#include "platform/Waiting.h"

namespace actgeduld {

// ACT!'s application object, made from the ProgID with patience. Its calls, and those of every
// object it hands out (and theirs in turn), are made with the same patience; the last release
// of each is watched as well.
platform::ObjectRef ErzeugeAnwendung(const platform::Text& progId);

// For a program that only looks at ACT! and reports what it finds: from this call on nobody is
// asked. A call that a busy ACT! has rejected for the busy time throws platform::ServerBusy, one
// whose ACT! has gone platform::ServerGone, both without a message; a call that has not returned
// after the answer time ends the run with the prompt's farewell and exit code, without a
// question (the prompt's question is not used). Called again, it replaces the prompt.
void OhneFragen(const platform::WaitPrompt& abschied);

}  // namespace actgeduld
