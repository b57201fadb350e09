#ifndef WOXFAKERANDOM_H
#define WOXFAKERANDOM_H

#include "woxRandom.h"

#include <QList>

// Answers the given values in turn, repeating the list; installs itself for
// its lifetime.
class woxFakeRandom : public woxRandom
{
public:
    explicit woxFakeRandom(const QList<int> &values);
    ~woxFakeRandom() override;
    int next() override;

    QList<int> values;
    int position = 0;
};

#endif
