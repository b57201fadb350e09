// Draws the pictures of the cable configuration dialog with QPainter: the
// action icons (reset, check, disable, remote check) and the two wire
// pictures. Run tools/draw-cable-icons.sh to rebuild them after a change.

#include "woxIconCanvas.h"

#include <QPainterPath>

namespace {

using namespace woxIconCanvas;

void drawRefresh(QPainter &p, const QRectF &r)
{
    roundFace(p, r, QColor(140, 200, 255), QColor(30, 90, 190));
    const QRectF arc = r.adjusted(r.width() * 0.27, r.height() * 0.27, -r.width() * 0.27,
                                  -r.height() * 0.27);
    p.setPen(QPen(Qt::white, r.width() * 0.09, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(arc, 100 * 16, 290 * 16);
    // Arrow head at the open end of the arc.
    QPolygonF head;
    const qreal x = r.center().x() - r.width() * 0.02, y = arc.top();
    head << QPointF(x + r.width() * 0.13, y) << QPointF(x - r.width() * 0.05, y - r.height() * 0.12)
         << QPointF(x - r.width() * 0.05, y + r.height() * 0.12);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(head);
}

void drawPlay(QPainter &p, const QRectF &r)
{
    roundFace(p, r, QColor(120, 170, 255), QColor(20, 60, 200));
    QPolygonF triangle;
    triangle << QPointF(r.width() * 0.38, r.height() * 0.28)
             << QPointF(r.width() * 0.74, r.height() * 0.5)
             << QPointF(r.width() * 0.38, r.height() * 0.72);
    p.setPen(roundPen(Qt::white, 2));
    p.setBrush(Qt::white);
    p.drawPolygon(triangle);
}

void drawDisable(QPainter &p, const QRectF &r)
{
    const QRectF ring = r.adjusted(r.width() * 0.12, r.height() * 0.12, -r.width() * 0.12,
                                   -r.height() * 0.12);
    p.setPen(QPen(QColor(210, 20, 20), r.width() * 0.13));
    p.setBrush(Qt::white);
    p.drawEllipse(ring);
    const qreal d = ring.width() * 0.3535;
    p.drawLine(QPointF(r.center().x() - d, r.center().y() - d),
               QPointF(r.center().x() + d, r.center().y() + d));
}

void drawInfinity(QPainter &p, const QRectF &r)
{
    const QRectF square = r.adjusted(3, 3, -3, -3);
    p.setPen(QPen(QColor(170, 130, 0), 2));
    p.setBrush(QColor(255, 215, 40));
    p.drawRoundedRect(square, 5, 5);
    const qreal cx = r.center().x(), cy = r.center().y(), w = r.width() * 0.17;
    QPainterPath path;
    path.moveTo(cx, cy);
    path.cubicTo(cx + w * 0.6, cy - w, cx + w * 2, cy - w, cx + w * 2, cy);
    path.cubicTo(cx + w * 2, cy + w, cx + w * 0.6, cy + w, cx, cy);
    path.cubicTo(cx - w * 0.6, cy - w, cx - w * 2, cy - w, cx - w * 2, cy);
    path.cubicTo(cx - w * 2, cy + w, cx - w * 0.6, cy + w, cx, cy);
    p.setPen(QPen(Qt::black, r.width() * 0.07, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// A horizontal orange wire across the picture's middle height.
void drawWire(QPainter &p, const QRectF &r)
{
    const qreal y = r.center().y();
    p.setPen(QPen(QColor(150, 70, 0), 7, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    p.setPen(QPen(QColor(255, 140, 20), 5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    p.setPen(QPen(QColor(255, 200, 120), 1.5));
    p.drawLine(QPointF(r.left(), y - 1), QPointF(r.right(), y - 1));
}

void drawEnabledWire(QPainter &p, const QRectF &r)
{
    drawWire(p, r);
    // The electrode connector in the middle.
    const QRectF connector(r.center().x() - 7, r.top() + 2, 14, r.height() - 4);
    p.setPen(QPen(QColor(110, 110, 110), 1.5));
    p.setBrush(QColor(225, 225, 225));
    p.drawRoundedRect(connector, 3, 3);
}

void drawDisabledWire(QPainter &p, const QRectF &r)
{
    drawWire(p, r);
    const QRectF cross = r.adjusted(r.width() * 0.2, 4, -r.width() * 0.2, -4);
    p.setPen(QPen(QColor(230, 0, 0), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(cross.topLeft(), cross.bottomRight());
    p.drawLine(cross.bottomLeft(), cross.topRight());
}

} // namespace

int main(int argc, char *argv[])
{
    return woxIconCanvas::run(argc, argv, [] {
        return save("icons/refresh.png", 48, 48, drawRefresh)
               && save("icons/play.png", 48, 48, drawPlay)
               && save("icons/disable.png", 48, 48, drawDisable)
               && save("icons/infinity.png", 48, 48, drawInfinity)
               && save("wires/enabled.png", 63, 18, drawEnabledWire)
               && save("wires/disabled.png", 63, 55, drawDisabledWire);
    });
}
