#include "woxTemplateContent.h"

#include <QtGlobal>

int woxTemplateContent::numberOfSets() const
{
    return sets.size();
}

woxArrayType woxTemplateContent::arrayTypeOfSet(quint8 index) const
{
    // Without sets there is no type to give; answering "none" is safer than
    // reading outside the list.
    if (sets.isEmpty())
        return woxNoArrayType;
    const int clamped = qBound(0, int(index), sets.size() - 1);
    return sets.at(clamped).arrayType();
}

QMap<quint8, quint8> woxTemplateContent::countSetsPerArrayType() const
{
    QMap<quint8, quint8> counts;
    for (const woxTemplateSet &set : sets)
        ++counts[set.arrayType()];
    return counts;
}

bool woxTemplateContent::isVarnex() const
{
    return !varnexQuadripoles.isEmpty();
}
