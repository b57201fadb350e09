#ifndef WOXOPTIONSCHOICE_H
#define WOXOPTIONSCHOICE_H

#include <QString>

class woxOptionsWidget;

// Sets the choices of an options page that the duration estimate reads:
// pulse and pause as their list texts ("500"), and the stacking range.
void woxChooseDurations(woxOptionsWidget &page, const QString &pulse, const QString &pause,
                        int minimumCycles, int maximumCycles);

#endif
