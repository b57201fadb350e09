#ifndef WOXICONCANVAS_H
#define WOXICONCANVAS_H

// What every picture-drawing tool under tools/ shares: the command line, the
// antialiased transparent canvas written as PNG, and the few strokes and fills
// several sets of icons use. Header only, so each tool still builds from its
// own single source file (see the tools/draw-*.sh scripts).

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QSizeF>

#include <cstdio>
#include <functional>

namespace woxIconCanvas {

using Painter = std::function<void(QPainter &, const QRectF &)>;

inline QString &outputRoot()
{
    static QString root;
    return root;
}

// Writes `name` (relative to the resources folder) as a width x height PNG.
// The drawing sees a canvas of `canvas` units, scaled to the picture; an
// empty `canvas` means one unit per pixel.
inline bool save(const QString &name, int width, int height, const Painter &paint,
                 const QSizeF &canvas = QSizeF())
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (canvas.isEmpty()) {
        paint(painter, QRectF(0, 0, width, height));
    } else {
        painter.scale(width / canvas.width(), height / canvas.height());
        paint(painter, QRectF(QPointF(0, 0), canvas));
    }
    painter.end();
    const QString path = outputRoot() + QLatin1Char('/') + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The tool's whole run: one argument, the resources folder; `drawAll` saves
// every picture and says whether all of them were written.
inline int run(int argc, char *argv[], const std::function<bool()> &drawAll)
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    outputRoot() = QString::fromLocal8Bit(argv[1]);
    return drawAll() ? 0 : 1;
}

inline QLinearGradient verticalGradient(const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(r.topLeft(), r.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

inline QPen roundPen(const QColor &colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A round button face: a disc shaded from `light` down to `dark`.
inline void roundFace(QPainter &p, const QRectF &r, const QColor &light, const QColor &dark)
{
    const QRectF face = r.adjusted(3, 3, -3, -3);
    p.setPen(QPen(dark.darker(130), 2));
    p.setBrush(verticalGradient(face, light, dark));
    p.drawEllipse(face);
}

} // namespace woxIconCanvas

#endif // WOXICONCANVAS_H
