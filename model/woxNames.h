#ifndef WOXNAMES_H
#define WOXNAMES_H

#include "woxTypes.h"

#include <QPointF>
#include <QString>

// Translated display name of an electrode-array code ("Unknown array"
// outside 0 to 21).
QString arrayTypeName(woxArrayType type);
// Translated display name of a device on the instrument's bus.
QString deviceName(woxAddress address);
// Orders plot points by ascending x; y plays no part.
bool greaterThan(const QPointF &a, const QPointF &b);

#endif
