#include "woxGuiStyle.h"

#include <QStyleFactory>

namespace {

QStyle *createBaseStyle()
{
    QStyle *style = QStyleFactory::create(QStringLiteral("Cleanlooks"));
    if (!style)
        style = QStyleFactory::create(QStringLiteral("Fusion"));
    return style;
}

} // namespace

// The proxy owns the base style it is given.
woxGuiStyle::woxGuiStyle()
    : QProxyStyle(createBaseStyle())
{
}

woxGuiStyle::~woxGuiStyle() = default;

int woxGuiStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                             const QWidget *widget) const
{
    switch (metric) {
    case PM_SliderThickness:
        return 20;
    case PM_SliderLength:
        return 50;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}
