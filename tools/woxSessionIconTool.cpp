// Draws the session pictures with QPainter: the Full and Append pictures
// of the session mode dialog and the eraser of the plots' pick menu. Run
// tools/draw-session-icons.sh to rebuild them after a change.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <cstdio>
#include <functional>

namespace {

using Painter = std::function<void(QPainter &, const QRectF &)>;

QString outputRoot;

bool save(const QString &name, int width, int height, const Painter &paint)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, QRectF(0, 0, width, height));
    painter.end();
    const QString path = outputRoot + QLatin1Char('/') + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Deleting a measurement: a tilted eraser block, half red, half white.
void drawEraser(QPainter &p, const QRectF &r)
{
    const qreal w = r.width();
    p.save();
    p.translate(w * 0.5, w * 0.5);
    p.rotate(-35);
    const QRectF body(-w * 0.38, -w * 0.16, w * 0.76, w * 0.32);
    p.setPen(QPen(QColor(90, 30, 30), 2));
    p.setBrush(QColor(230, 70, 70));
    p.drawRoundedRect(body, 3, 3);
    p.setBrush(QColor(245, 245, 245));
    p.drawRoundedRect(QRectF(body.left(), body.top(), body.width() * 0.4, body.height()), 3, 3);
    p.restore();
    p.setPen(QPen(QColor(120, 120, 120), 2));
    p.drawLine(QPointF(w * 0.1, w * 0.9), QPointF(w * 0.9, w * 0.9));
}

// An electrode line of `count` stakes on a cable; stakes from `newFrom` on
// are drawn green, the others blue.
void drawElectrodeLine(QPainter &p, const QRectF &r, int count, int newFrom)
{
    const qreal y = r.height() * 0.55;
    const qreal step = (r.width() - 12) / (count - 1);
    p.setPen(QPen(QColor(60, 60, 60), 3));
    p.drawLine(QPointF(6, y), QPointF(r.width() - 6, y));
    for (int i = 0; i < count; ++i) {
        const qreal x = 6 + step * i;
        const QColor colour = i >= newFrom ? QColor(40, 160, 40) : QColor(40, 70, 200);
        p.setPen(QPen(colour.darker(140), 1));
        p.setBrush(colour);
        p.drawRect(QRectF(x - 3, y - r.height() * 0.3, 6, r.height() * 0.45));
    }
}

void drawFull(QPainter &p, const QRectF &r)
{
    drawElectrodeLine(p, r, 8, 8);
}

// The same line continued: the new segment green, after an arrow.
void drawAppend(QPainter &p, const QRectF &r)
{
    drawElectrodeLine(p, r, 12, 8);
    const qreal y = r.height() * 0.14;
    p.setPen(QPen(QColor(40, 160, 40), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.width() * 0.6, y), QPointF(r.width() * 0.9, y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 160, 40));
    QPolygonF head;
    head << QPointF(r.width() * 0.96, y) << QPointF(r.width() * 0.88, y - 7)
         << QPointF(r.width() * 0.88, y + 7);
    p.drawPolygon(head);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    outputRoot = QString::fromLocal8Bit(argv[1]);
    const bool ok = save("icons/full.png", 128, 64, drawFull)
                    && save("icons/append.png", 192, 64, drawAppend)
                    && save("icons/eraser.png", 48, 48, drawEraser);
    return ok ? 0 : 1;
}
