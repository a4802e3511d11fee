#pragma once

// Qt ends the process with abort() and advice to reinstall when its platform plugin cannot
// reach a display (none set, dead, malformed, refusing this user, or a forced platform
// that cannot start). Predicting that from outside is never complete, but Qt always
// reports the failure through its message handler before it aborts; this guard turns that
// report into one sentence for the user and exit status 1.
//
// Between Arm() and Disarm() whatever Qt and the X libraries write to standard error is
// held back: on a failure it is dropped for the sentence, otherwise Disarm() replays it.
namespace DisplayFailure {
void Arm();
void Disarm();
}  // namespace DisplayFailure
