#ifndef WOXDATAROOT_H
#define WOXDATAROOT_H

#include <QString>

// The instrument keeps its data under a fixed root on drive "C:/". On this
// platform that drive is the user's home directory, so every data folder is
// "<home>/wox_0/...". The home is read when asked, so each test process can
// point it at its own temporary directory.
class woxDataRoot
{
public:
    // The directory that stands for "C:/", always ending with a slash.
    static QString drive();
};

#endif
