#ifndef WOXRANDOM_H
#define WOXRANDOM_H

// Pseudo-random draws for the emulated answers, behind a seam so tests can
// inject exact values.
class woxRandom
{
public:
    virtual ~woxRandom();
    // A value from 0 to RAND_MAX.
    virtual int next();

    static woxRandom *instance();
    // Not owned; nullptr restores the default generator.
    static void install(woxRandom *random);
};

#endif
