#ifndef WOXOPTSHELLFRESHSTART_H
#define WOXOPTSHELLFRESHSTART_H

// Puts the instrument back as it is on a first start, for the options, cable and main-window tests: no core,
// message dialog, user-message or translator singleton, no measurement marked as running, none of the program's
// stored settings and empty private folders (no data root). False, with nothing touched, when the process has no
// private environment of its own.
namespace woxOptshellFreshStart {
bool reset();
}

#endif
