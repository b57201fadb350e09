// Draws the pictures of the template screens (set bar, tabs, actions, menu
// buttons, plot menu) with QPainter and writes them as PNG files under the
// given resources folder. Every picture is our own drawing; run
// tools/draw-template-icons.sh to rebuild them after a change here.

#include "woxIconCanvas.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

namespace {

using namespace woxIconCanvas;

// Drawn on a 64-unit square whatever the output size.
bool saveIcon(const QString &name, int side, const Painter &paint)
{
    return save(name, side, side, paint, QSizeF(64, 64));
}

void sheet(QPainter &p, const QRectF &r)
{
    p.setPen(roundPen(QColor(90, 90, 90), 2));
    p.setBrush(verticalGradient(r, Qt::white, QColor(220, 225, 235)));
    p.drawRoundedRect(r, 3, 3);
}

void drawPlus(QPainter &p, const QRectF &)
{
    p.setPen(roundPen(QColor(20, 110, 20), 3));
    p.setBrush(verticalGradient(QRectF(8, 8, 48, 48), QColor(130, 220, 120), QColor(40, 150, 40)));
    QPainterPath cross;
    cross.addRect(26, 10, 12, 44);
    cross.addRect(10, 26, 44, 12);
    p.drawPath(cross.simplified());
}

void drawClone(QPainter &p, const QRectF &)
{
    sheet(p, QRectF(6, 6, 34, 40));
    sheet(p, QRectF(22, 18, 34, 40));
    p.setPen(roundPen(QColor(40, 90, 180), 3));
    for (int y = 28; y <= 48; y += 8)
        p.drawLine(QPointF(28, y), QPointF(50, y));
}

void drawGeneral(QPainter &p, const QRectF &)
{
    sheet(p, QRectF(10, 4, 44, 56));
    p.setPen(roundPen(QColor(40, 90, 180), 3));
    for (int y = 16; y <= 48; y += 8) {
        p.drawPoint(QPointF(18, y));
        p.drawLine(QPointF(24, y), QPointF(46, y));
    }
}

void drawBall(QPainter &p, const QRectF &)
{
    QRadialGradient gradient(QPointF(24, 22), 34);
    gradient.setColorAt(0, QColor(255, 200, 200));
    gradient.setColorAt(0.5, QColor(220, 30, 30));
    gradient.setColorAt(1, QColor(110, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawEllipse(QRectF(8, 8, 48, 48));
}

void drawGrounding(QPainter &p, const QRectF &)
{
    p.setPen(roundPen(QColor(40, 40, 40), 4));
    p.drawLine(QPointF(32, 4), QPointF(32, 30));
    p.drawLine(QPointF(10, 30), QPointF(54, 30));
    p.drawLine(QPointF(18, 40), QPointF(46, 40));
    p.drawLine(QPointF(26, 50), QPointF(38, 50));
    p.setPen(roundPen(QColor(150, 100, 40), 2));
    p.drawLine(QPointF(4, 60), QPointF(60, 60));
}

void drawFloppy(QPainter &p, const QRectF &)
{
    QPolygonF body;
    body << QPointF(6, 6) << QPointF(50, 6) << QPointF(58, 14) << QPointF(58, 58) << QPointF(6, 58);
    p.setPen(roundPen(QColor(20, 30, 80), 2));
    p.setBrush(verticalGradient(QRectF(6, 6, 52, 52), QColor(70, 100, 200), QColor(30, 50, 130)));
    p.drawPolygon(body);
    p.setBrush(QColor(220, 220, 225));
    p.drawRect(QRectF(16, 6, 28, 16));
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(QRectF(34, 9, 6, 10));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(14, 32, 36, 26));
}

void drawSignal(QPainter &p, const QRectF &)
{
    p.setPen(roundPen(QColor(120, 120, 120), 1.5));
    p.drawLine(QPointF(4, 32), QPointF(60, 32));
    QPolygonF wave;
    wave << QPointF(4, 32) << QPointF(10, 32) << QPointF(10, 12) << QPointF(26, 14)
         << QPointF(26, 32) << QPointF(34, 32) << QPointF(34, 52) << QPointF(50, 50)
         << QPointF(50, 32) << QPointF(60, 32);
    p.setPen(roundPen(QColor(20, 60, 200), 4));
    p.drawPolyline(wave);
}

void drawList(QPainter &p, const QColor &mark)
{
    sheet(p, QRectF(10, 4, 44, 56));
    for (int row = 0; row < 5; ++row) {
        const qreal y = 14 + row * 9;
        p.setPen(Qt::NoPen);
        p.setBrush(mark);
        p.drawEllipse(QPointF(18, y), 3, 3);
        p.setPen(roundPen(QColor(80, 80, 80), 2.5));
        p.drawLine(QPointF(25, y), QPointF(46, y));
    }
}

void drawFolder(QPainter &p, const QRectF &)
{
    p.setPen(roundPen(QColor(150, 100, 10), 2));
    p.setBrush(QColor(230, 180, 60));
    QPolygonF back;
    back << QPointF(4, 14) << QPointF(22, 14) << QPointF(27, 20) << QPointF(60, 20)
         << QPointF(60, 54) << QPointF(4, 54);
    p.drawPolygon(back);
    sheet(p, QRectF(12, 10, 40, 30));
    p.setBrush(verticalGradient(QRectF(4, 26, 56, 28),
                                QColor(255, 215, 110), QColor(225, 165, 40)));
    p.setPen(roundPen(QColor(150, 100, 10), 2));
    QPolygonF front;
    front << QPointF(4, 54) << QPointF(10, 28) << QPointF(60, 28) << QPointF(60, 54);
    p.drawPolygon(front);
}

void drawTable(QPainter &p, const QRectF &)
{
    const QRectF frame(6, 10, 52, 44);
    p.setPen(roundPen(QColor(60, 60, 60), 2));
    p.setBrush(Qt::white);
    p.drawRect(frame);
    p.setBrush(QColor(90, 130, 220));
    p.drawRect(QRectF(6, 10, 52, 10));
    for (int y = 31; y < 54; y += 11)
        p.drawLine(QPointF(6, y), QPointF(58, y));
    for (int x = 19; x < 58; x += 13)
        p.drawLine(QPointF(x, 10), QPointF(x, 54));
}

} // namespace

int main(int argc, char *argv[])
{
    return woxIconCanvas::run(argc, argv, [] {
        bool ok = true;
        ok &= saveIcon(QStringLiteral("icons/plus.png"), 32, drawPlus);
        ok &= saveIcon(QStringLiteral("icons/clone.png"), 32, drawClone);
        ok &= saveIcon(QStringLiteral("icons/general.png"), 32, drawGeneral);
        ok &= saveIcon(QStringLiteral("icons/ball.png"), 32, drawBall);
        ok &= saveIcon(QStringLiteral("icons/table.png"), 32, drawTable);
        ok &= saveIcon(QStringLiteral("icons/grounding.png"), 64, drawGrounding);
        ok &= saveIcon(QStringLiteral("icons/floppy.png"), 64, drawFloppy);
        ok &= saveIcon(QStringLiteral("icons/signal.png"), 32, drawSignal);
        ok &= saveIcon(QStringLiteral("icons/listOne.png"), 128,
                   [](QPainter &p, const QRectF &) { drawList(p, QColor(40, 90, 180)); });
        ok &= saveIcon(QStringLiteral("icons/listErt.png"), 128,
                   [](QPainter &p, const QRectF &) { drawList(p, QColor(200, 40, 40)); });
        ok &= saveIcon(QStringLiteral("icons/folderOne.png"), 160, drawFolder);
        return ok;
    });
}
