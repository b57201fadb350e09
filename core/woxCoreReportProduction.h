#ifndef WOXCOREREPORTPRODUCTION_H
#define WOXCOREREPORTPRODUCTION_H

#include <QString>
#include <QMetaType>

#include "woxCoreError.h"

// Job 10: outcome of one production self-test.
struct woxCoreReportProduction
{
    woxCoreError error;
    quint8 test = 255;      // the job copies the request's test number into it
    bool passed = true;
    QString text1;          // appended to the test's log line
    QString text2;
    QString text3;
};

Q_DECLARE_METATYPE(woxCoreReportProduction)

#endif // WOXCOREREPORTPRODUCTION_H
