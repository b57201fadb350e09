#include "woxRandom.h"

#include <QRandomGenerator>

#include <atomic>
#include <cstdlib>

namespace {
std::atomic<woxRandom *> installedRandom{nullptr};
}

woxRandom::~woxRandom() = default;

int woxRandom::next()
{
    return int(QRandomGenerator::global()->bounded(quint32(RAND_MAX) + 1u));
}

woxRandom *woxRandom::instance()
{
    static woxRandom defaultRandom;
    woxRandom *random = installedRandom.load();
    return random ? random : &defaultRandom;
}

void woxRandom::install(woxRandom *random)
{
    installedRandom.store(random);
}
