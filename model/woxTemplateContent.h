#ifndef WOXTEMPLATECONTENT_H
#define WOXTEMPLATECONTENT_H

#include "woxElectrodePosition.h"
#include "woxQuadripole.h"
#include "woxTemplateSet.h"
#include "woxTypes.h"

#include <QList>
#include <QMap>

// What the sequence generator reads of a template: the arrangement, the
// sets, and the quadripoles and electrode positions of a Varnex text
// template. The template model hands it over, so the generator needs no
// screen-side class. Every container is implicitly shared: copies are cheap.
struct woxTemplateContent
{
    woxCable cables = 2;
    woxCableSpacing cableSpacing = 5.0f;
    QList<woxTemplateSet> sets;
    QList<woxQuadripole> varnexQuadripoles;    // not empty: a Varnex template
    woxElectrodeMap varnexElectrodes;

    int numberOfSets() const;
    // The index is clamped to the sets; 255 (no type) when there is none.
    woxArrayType arrayTypeOfSet(quint8 index) const;
    // Array type -> number of sets of that type (255 for sets without one).
    QMap<quint8, quint8> countSetsPerArrayType() const;
    bool isVarnex() const;
};

#endif // WOXTEMPLATECONTENT_H
