#ifndef WOXSESSIONCLOSEFLAG_H
#define WOXSESSIONCLOSEFLAG_H

// Whether the last session bound on this instrument was ended through
// Finish: 0 while one is bound and not yet closed cleanly, 1 after a clean
// close (and when nothing was ever stored). The session menu blinks while it
// is 0, and a new session asks before it discards an unfinished one.
class woxSessionCloseFlag
{
public:
    static int value();
    static void store(int value);
};

#endif
