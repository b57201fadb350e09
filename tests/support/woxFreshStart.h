#ifndef WOXFRESHSTART_H
#define WOXFRESHSTART_H

// Puts the program back as it is on a first start: no core, message dialog,
// user-message, translator or GPS singleton, no measurement marked as
// running, the values kept for the whole process as at a start, no stored
// settings and empty private folders (no data root). False, with nothing
// touched, when the process has no private environment of its own.
namespace woxFreshStart {
bool reset();
// The values kept for the whole process alone, as at a start: for tests
// whose fixtures live from one function to the next.
void resetProcessValues();
}

#endif
