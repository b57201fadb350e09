// Draws the system menu's icons with QPainter and writes them as PNG files
// under the given resources folder. Every picture is our own drawing; run
// tools/draw-menu-icons.sh to rebuild them after a change here.

#include "woxIconCanvas.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

namespace {

using namespace woxIconCanvas;

// Every drawing works on a 128 x 128 canvas; smaller icons are scaled.
bool saveIcon(const QString &name, int size, void (*draw)(QPainter &))
{
    return save(QStringLiteral("icons/") + name, size, size,
                [draw](QPainter &p, const QRectF &) { draw(p); }, QSizeF(128, 128));
}

// A globe with meridians and parallels.
void drawLanguage(QPainter &p)
{
    const QRectF globe(14, 14, 100, 100);
    p.setPen(roundPen(QColor(20, 70, 140), 4));
    p.setBrush(verticalGradient(globe, QColor(120, 190, 250), QColor(30, 100, 200)));
    p.drawEllipse(globe);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(QColor(230, 245, 255), 3));
    p.drawEllipse(QRectF(39, 14, 50, 100));
    p.drawLine(QPointF(64, 14), QPointF(64, 114));
    p.drawLine(QPointF(14, 64), QPointF(114, 64));
    p.drawLine(QPointF(22, 38), QPointF(106, 38));
    p.drawLine(QPointF(22, 90), QPointF(106, 90));
}

// The USB trident.
void drawUsb(QPainter &p)
{
    p.setPen(roundPen(QColor(40, 40, 40), 7));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(64, 24), QPointF(64, 104));
    p.drawPolyline(QPolygonF() << QPointF(64, 84) << QPointF(34, 64) << QPointF(34, 48));
    p.drawPolyline(QPolygonF() << QPointF(64, 74) << QPointF(94, 56) << QPointF(94, 44));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    p.drawPolygon(QPolygonF() << QPointF(64, 10) << QPointF(52, 30) << QPointF(76, 30));
    p.drawEllipse(QPointF(34, 44), 8, 8);
    p.drawRect(QRectF(86, 32, 16, 16));
    p.drawEllipse(QPointF(64, 108), 11, 11);
}

// An expansion card with its chips and edge contacts.
void drawPci(QPainter &p)
{
    const QRectF board(10, 30, 108, 62);
    p.setPen(roundPen(QColor(20, 90, 30), 3));
    p.setBrush(verticalGradient(board, QColor(80, 180, 90), QColor(30, 120, 50)));
    p.drawRect(board);
    p.setBrush(QColor(40, 40, 40));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(22, 42, 34, 30));
    p.drawRect(QRectF(66, 46, 20, 20));
    p.drawRect(QRectF(94, 46, 14, 20));
    p.setBrush(QColor(220, 180, 40));
    for (int i = 0; i < 12; ++i)
        p.drawRect(QRectF(18 + i * 8, 92, 5, 14));
}

// A server cabinet with arrows to and from it.
void drawProxy(QPainter &p)
{
    const QRectF cabinet(34, 12, 60, 104);
    p.setPen(roundPen(QColor(50, 50, 60), 3));
    p.setBrush(verticalGradient(cabinet, QColor(170, 175, 190), QColor(90, 95, 110)));
    p.drawRoundedRect(cabinet, 6, 6);
    p.setBrush(QColor(60, 60, 70));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(42, 22 + i * 22, 44, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 220, 60));
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(80, 28 + i * 22), 3, 3);
    p.setBrush(QColor(30, 110, 220));
    p.drawPolygon(QPolygonF() << QPointF(4, 50) << QPointF(24, 38) << QPointF(24, 62));
    p.drawPolygon(QPolygonF() << QPointF(124, 78) << QPointF(104, 66) << QPointF(104, 90));
}

// A wall clock at ten past ten.
void drawClock(QPainter &p)
{
    const QRectF face(10, 10, 108, 108);
    p.setPen(roundPen(QColor(60, 60, 60), 6));
    p.setBrush(verticalGradient(face, QColor(255, 255, 255), QColor(220, 225, 235)));
    p.drawEllipse(face);
    p.setPen(roundPen(QColor(60, 60, 60), 4));
    for (int hour = 0; hour < 12; ++hour) {
        const qreal angle = hour * M_PI / 6;
        p.drawLine(QPointF(64 + 42 * qSin(angle), 64 - 42 * qCos(angle)),
                   QPointF(64 + 48 * qSin(angle), 64 - 48 * qCos(angle)));
    }
    p.setPen(roundPen(QColor(30, 30, 30), 7));
    p.drawLine(QPointF(64, 64), QPointF(64 - 26 * qSin(M_PI / 3), 64 - 26 * qCos(M_PI / 3)));
    p.setPen(roundPen(QColor(30, 30, 30), 5));
    p.drawLine(QPointF(64, 64), QPointF(64 + 38 * qSin(M_PI / 3), 64 - 38 * qCos(M_PI / 3)));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 30));
    p.drawEllipse(QPointF(64, 64), 5, 5);
}

// A closed cardboard box, seen from above at an angle.
void drawBox(QPainter &p)
{
    const QPolygonF top = QPolygonF() << QPointF(64, 14) << QPointF(116, 36) << QPointF(64, 58)
                                      << QPointF(12, 36);
    const QPolygonF left = QPolygonF() << QPointF(12, 36) << QPointF(64, 58) << QPointF(64, 116)
                                       << QPointF(12, 92);
    const QPolygonF right = QPolygonF() << QPointF(64, 58) << QPointF(116, 36)
                                        << QPointF(116, 92) << QPointF(64, 116);
    p.setPen(roundPen(QColor(110, 70, 20), 3));
    p.setBrush(QColor(235, 190, 120));
    p.drawPolygon(top);
    p.setBrush(QColor(210, 150, 70));
    p.drawPolygon(left);
    p.setBrush(QColor(185, 125, 50));
    p.drawPolygon(right);
    p.setPen(roundPen(QColor(245, 230, 200), 6));
    p.drawLine(QPointF(38, 25), QPointF(90, 47));
}

// A satellite: body, two solar panels and a dish.
void drawSatellite(QPainter &p)
{
    p.save();
    p.translate(64, 64);
    p.rotate(-35);
    p.setPen(roundPen(QColor(30, 40, 80), 2));
    p.setBrush(verticalGradient(QRectF(-60, -14, 40, 28),
                                QColor(80, 120, 220), QColor(30, 60, 150)));
    p.drawRect(QRectF(-60, -14, 40, 28));
    p.drawRect(QRectF(20, -14, 40, 28));
    p.setPen(roundPen(QColor(160, 180, 230), 1.5));
    for (int i = 1; i < 4; ++i) {
        p.drawLine(QPointF(-60 + i * 10, -14), QPointF(-60 + i * 10, 14));
        p.drawLine(QPointF(20 + i * 10, -14), QPointF(20 + i * 10, 14));
    }
    p.setPen(roundPen(QColor(60, 60, 60), 3));
    p.setBrush(verticalGradient(QRectF(-16, -18, 32, 36),
                                QColor(230, 230, 230), QColor(150, 150, 150)));
    p.drawRect(QRectF(-16, -18, 32, 36));
    p.drawLine(QPointF(0, 18), QPointF(0, 34));
    p.setBrush(QColor(200, 200, 200));
    p.drawChord(QRectF(-16, 30, 32, 20), 0, 180 * 16);
    p.restore();
}

QPainterPath gear(const QPointF &centre, qreal outer, qreal inner, int teeth)
{
    QPainterPath path;
    const int points = teeth * 4;
    for (int i = 0; i < points; ++i) {
        const qreal angle = 2 * M_PI * i / points;
        const qreal radius = (i % 4 < 2) ? outer : inner;
        const QPointF point(centre.x() + radius * qCos(angle), centre.y() + radius * qSin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    path.addEllipse(centre, inner * 0.4, inner * 0.4);
    return path;
}

// Two meshing gears.
void drawGears(QPainter &p)
{
    p.setPen(roundPen(QColor(50, 50, 50), 3));
    p.setBrush(verticalGradient(QRectF(0, 0, 128, 128),
                                QColor(200, 200, 210), QColor(110, 110, 125)));
    p.drawPath(gear(QPointF(48, 52), 40, 30, 10));
    p.setBrush(verticalGradient(QRectF(0, 40, 128, 88),
                                QColor(240, 190, 80), QColor(180, 120, 20)));
    p.drawPath(gear(QPointF(92, 94), 28, 20, 8));
}

// The power symbol on a red button.
void drawPower(QPainter &p)
{
    const QRectF face(10, 10, 108, 108);
    p.setPen(roundPen(QColor(130, 20, 20), 3));
    p.setBrush(verticalGradient(face, QColor(245, 110, 100), QColor(170, 25, 25)));
    p.drawEllipse(face);
    p.setPen(roundPen(Qt::white, 10));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(34, 36, 60, 60), 120 * 16, 300 * 16);
    p.drawLine(QPointF(64, 26), QPointF(64, 62));
}

// An arrow down into a tray.
void drawDownload(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 100, 210));
    p.drawRect(QRectF(50, 8, 28, 50));
    p.drawPolygon(QPolygonF() << QPointF(24, 54) << QPointF(104, 54) << QPointF(64, 96));
    p.setPen(roundPen(QColor(60, 60, 60), 10));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF() << QPointF(12, 90) << QPointF(12, 118) << QPointF(116, 118)
                               << QPointF(116, 90));
}

} // namespace

int main(int argc, char *argv[])
{
    return woxIconCanvas::run(argc, argv, [] {
        bool ok = true;
        ok &= saveIcon(QStringLiteral("language.png"), 128, drawLanguage);
        ok &= saveIcon(QStringLiteral("usb.png"), 128, drawUsb);
        ok &= saveIcon(QStringLiteral("pci.png"), 128, drawPci);
        ok &= saveIcon(QStringLiteral("proxy.png"), 128, drawProxy);
        ok &= saveIcon(QStringLiteral("clock.png"), 128, drawClock);
        ok &= saveIcon(QStringLiteral("box.png"), 128, drawBox);
        ok &= saveIcon(QStringLiteral("satellite.png"), 128, drawSatellite);
        ok &= saveIcon(QStringLiteral("gears.png"), 128, drawGears);
        ok &= saveIcon(QStringLiteral("power.png"), 128, drawPower);
        ok &= saveIcon(QStringLiteral("download.png"), 48, drawDownload);
        return ok;
    });
}
