#ifndef WOXFILESIZELIMIT_H
#define WOXFILESIZELIMIT_H

#include <sys/resource.h>

#include <functional>

// Runs `write` with writes failing once a file would pass `bytes`, as on a
// full card, even for root (CI runs as root, so a read-only folder would not do).
void woxWithFileSizeLimit(rlim_t bytes, const std::function<void()> &write);

#endif
