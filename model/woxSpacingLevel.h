#ifndef WOXSPACINGLEVEL_H
#define WOXSPACINGLEVEL_H

#include "woxTypes.h"

// One cell of a template grid: spacing row, then level column. Cells order by
// row first, so a map keyed by them walks the grid row by row.
class woxSpacingLevel
{
public:
    woxSpacingLevel(woxSpacing spacing = 0, woxLevel level = 0);

    bool operator<(const woxSpacingLevel &other) const;
    bool operator==(const woxSpacingLevel &other) const;

    woxSpacing spacing;
    woxLevel level;
};

#endif
