#ifndef WOXCOREERROR_H
#define WOXCOREERROR_H

#include <QString>

#include "woxTypes.h"

// Outcome of one core job; the first member of every report.
struct woxCoreError
{
    quint8 code = 0;        // 0 is success
    woxAddress device = 0;  // named by the texts of codes 3 and 5

    // The worker keeps its error as one word: code in the low byte, device in the high byte.
    void set(quint16 value);
    QString toString() const;
};

#endif // WOXCOREERROR_H
