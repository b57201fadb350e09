#ifndef WOXOPTSHELLFRESHSTART_H
#define WOXOPTSHELLFRESHSTART_H

// Puts the instrument back as it is on a first start, for the options, cable and main-window tests: no data
// folders, none of the program's stored settings, no core, message dialog, user-message or translator singleton,
// no measurement marked as running. Refuses (false, nothing touched) while HOME is the account's real home, so a
// test run by hand can never empty a real data root.
namespace woxOptshellFreshStart {
bool reset();
}

#endif
