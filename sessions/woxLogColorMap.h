#ifndef WOXLOGCOLORMAP_H
#define WOXLOGCOLORMAP_H

#include <qwt_color_map.h>

// The pseudo-section's colours: a linear colour map whose 13 inner stops
// sit at logarithmically spaced values between the range's ends, so equal
// ratios of resistivity get equal steps of colour. The stop positions of
// the last range are kept for the whole process, since every update builds
// two maps over the same range. GUI thread only.
class woxLogColorMap : public QwtLinearColorMap
{
public:
    // A minimum not above 0 counts as 0.001; an empty range gives a map of
    // the two end colours only.
    woxLogColorMap(float min, float max);
    ~woxLogColorMap() override;

    // A zero-width interval gives the first colour, as a range where every
    // value is equal should; NaN gives 0 (no colour).
    QRgb rgb(const QwtInterval &interval, double value) const override;

    // How often stop positions were computed, for checking the cache.
    static int positionComputations();

private:
    static const int innerStops = 13;
    static float cachedMin;
    static float cachedMax;
    static float cachedPositions[innerStops];
    static int computations;
};

#endif
