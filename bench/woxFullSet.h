#ifndef WOXFULLSET_H
#define WOXFULLSET_H

// Shared by the bench executables (header only: bench/CMakeLists.txt builds
// each .cpp here as its own program).

#include "woxTemplateSet.h"

#include <QStandardItemModel>

// A set of the given array on two cables at 5 m with every cell of its main
// grid selected, as the template screen would hand the selection over.
inline woxTemplateSet fullySelectedSet(woxArrayType type)
{
    QStandardItemModel grid(woxTemplateSet::spacingRows, woxTemplateSet::levelColumns);
    QModelIndexList all;
    for (int s = 0; s < woxTemplateSet::spacingRows; ++s) {
        for (int l = 0; l < woxTemplateSet::levelColumns; ++l)
            all.append(grid.index(s, l));
    }
    woxTemplateSet set(2, 5.0f);
    set.setArrayType(type);
    set.applyMainSelection(all);
    return set;
}

#endif
