#include "woxLogColorMap.h"

#include <cmath>

namespace {

const QColor firstColour(0, 0, 128);
const QColor lastColour(96, 0, 96);

// Blue through green and yellow to red, dark at both ends.
const QColor stopColours[] = {
    QColor(0, 0, 255),   QColor(0, 128, 255), QColor(0, 255, 255), QColor(0, 192, 128),
    QColor(0, 255, 0),   QColor(0, 128, 0),   QColor(128, 192, 0), QColor(255, 255, 0),
    QColor(191, 128, 0), QColor(255, 128, 0), QColor(255, 0, 0),   QColor(211, 0, 0),
    QColor(128, 0, 52)};

// The smallest value a logarithmic range may start at.
const float smallestMin = 0.001f;

} // namespace

float woxLogColorMap::cachedMin = -1.0f;
float woxLogColorMap::cachedMax = -1.0f;
float woxLogColorMap::cachedPositions[woxLogColorMap::innerStops] = {};
int woxLogColorMap::computations = 0;

woxLogColorMap::woxLogColorMap(float min, float max)
    : QwtLinearColorMap(firstColour, lastColour, QwtColorMap::RGB)
{
    const float m = min > 0.0f ? min : smallestMin;
    if (!(m < max) || !std::isfinite(max))
        return;
    if (m != cachedMin || max != cachedMax) {
        cachedMin = m;
        cachedMax = max;
        ++computations;
        // Stop k sits at the value m * (max / m)^(k / 14); computed in
        // single precision like the stored ranges.
        const float step = float(std::log10(max / m) / 14.0);
        const float logMin = float(std::log10(m));
        const float width = max - m;
        for (int k = 1; k <= innerStops; ++k) {
            const float value = float(std::pow(10.0f, logMin + float(k) * step));
            cachedPositions[k - 1] = (value - m) / width;
        }
    }
    for (int k = 0; k < innerStops; ++k)
        addColorStop(cachedPositions[k], stopColours[k]);
}

woxLogColorMap::~woxLogColorMap() = default;

QRgb woxLogColorMap::rgb(const QwtInterval &interval, double value) const
{
    if (std::isnan(value))
        return 0u;
    if (interval.isValid() && interval.width() <= 0.0)
        return color1().rgb();
    return QwtLinearColorMap::rgb(interval, value);
}

int woxLogColorMap::positionComputations()
{
    return computations;
}
