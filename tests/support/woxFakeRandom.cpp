#include "woxFakeRandom.h"

woxFakeRandom::woxFakeRandom(const QList<int> &values)
    : values(values)
{
    woxRandom::install(this);
}

woxFakeRandom::~woxFakeRandom()
{
    woxRandom::install(nullptr);
}

int woxFakeRandom::next()
{
    if (values.isEmpty())
        return 0;
    const int value = values.at(position % values.size());
    ++position;
    return value;
}
