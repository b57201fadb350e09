#ifndef WOXSESSIONCLOSEFLAG_H
#define WOXSESSIONCLOSEFLAG_H

// Whether the last session bound on this instrument was ended through
// Finish: 0 while one is bound and not yet closed cleanly, 1 after a clean
// close (and when nothing was ever stored). The session menu blinks while it
// is 0. Sessions viewed in DATA set it to 0 as well and never close cleanly,
// so a second flag follows the MAIN tab's sessions alone: a new session asks
// before it discards an unfinished one only when that one was measured in
// MAIN, not because a stored session was looked at since.
class woxSessionCloseFlag
{
public:
    static int value();
    // The MAIN tab's own flag; settings written before it existed hold the
    // shared flag only, which then stands for it.
    static int mainValue();
    // A MAIN session bound (0) or finished (1): both flags.
    static void store(int value);
    // A stored session bound for viewing: the shared flag 0 only.
    static void storeViewed();
};

#endif
