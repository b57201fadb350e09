#ifndef WOXFRESHSTART_H
#define WOXFRESHSTART_H

// Puts the program back as it is on a first start: no core, message dialog,
// user-message or translator singleton, no measurement marked as running,
// no stored settings and empty private folders (no data root). False, with
// nothing touched, when the process has no private environment of its own.
namespace woxFreshStart {
bool reset();
}

#endif
