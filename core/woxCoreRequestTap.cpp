#include "woxCoreRequestTap.h"

namespace {
woxCoreRequestTap *installed = nullptr;
}

woxCoreRequestTap::~woxCoreRequestTap() = default;

woxCoreRequestTap *woxCoreRequestTap::instance()
{
    return installed;
}

void woxCoreRequestTap::install(woxCoreRequestTap *tap)
{
    installed = tap;
}
