#include "woxSpacingLevel.h"

woxSpacingLevel::woxSpacingLevel(woxSpacing spacing, woxLevel level)
    : spacing(spacing), level(level)
{
}

bool woxSpacingLevel::operator<(const woxSpacingLevel &other) const
{
    if (spacing != other.spacing)
        return spacing < other.spacing;
    return level < other.level;
}

bool woxSpacingLevel::operator==(const woxSpacingLevel &other) const
{
    return spacing == other.spacing && level == other.level;
}
