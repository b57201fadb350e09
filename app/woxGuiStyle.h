#ifndef WOXGUISTYLE_H
#define WOXGUISTYLE_H

#include <QProxyStyle>

// The program's style: Cleanlooks (Fusion where the Cleanlooks plugin is
// missing) with sliders made wide enough for a finger on the touch screen.
class woxGuiStyle : public QProxyStyle
{
    Q_OBJECT

public:
    woxGuiStyle();
    ~woxGuiStyle() override;

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
};

#endif
