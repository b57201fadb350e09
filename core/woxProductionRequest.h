#ifndef WOXPRODUCTIONREQUEST_H
#define WOXPRODUCTIONREQUEST_H

#include <QtGlobal>

// Job 10: one production self-test.
struct woxProductionRequest
{
    quint8 test = 255;      // 255: no test
};

#endif // WOXPRODUCTIONREQUEST_H
