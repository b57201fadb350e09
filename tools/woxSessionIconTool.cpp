// Draws the session pictures with QPainter: the Full and Append pictures
// of the session mode dialog, the eraser of the plots' pick menu, and the
// buttons of the session and data menus. Run
// tools/draw-session-icons.sh to rebuild them after a change.

#include "woxIconCanvas.h"

#include <QPolygonF>

namespace {

using namespace woxIconCanvas;

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

// A sheet of measurement rows: the template list a new session starts from;
// a green play mark says it will be measured.
void drawListTwo(QPainter &p, const QRectF &r)
{
    const qreal w = r.width();
    p.setPen(QPen(QColor(80, 80, 80), 3));
    p.setBrush(QColor(250, 250, 245));
    p.drawRoundedRect(QRectF(w * 0.16, w * 0.08, w * 0.56, w * 0.78), 6, 6);
    p.setPen(QPen(QColor(40, 70, 200), 5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
        const qreal y = w * (0.22 + 0.12 * i);
        p.drawLine(QPointF(w * 0.26, y), QPointF(w * 0.62, y));
    }
    p.setPen(QPen(QColor(20, 110, 20), 2));
    p.setBrush(QColor(40, 170, 40));
    QPolygonF play;
    play << QPointF(w * 0.6, w * 0.58) << QPointF(w * 0.92, w * 0.76) << QPointF(w * 0.6, w * 0.94);
    p.drawPolygon(play);
}

// A closed folder: the stored session.
void drawFolderBody(QPainter &p, const QRectF &r)
{
    const qreal w = r.width();
    p.setPen(QPen(QColor(120, 80, 10), 3));
    p.setBrush(QColor(230, 170, 50));
    QPolygonF tab;
    tab << QPointF(w * 0.08, w * 0.22) << QPointF(w * 0.38, w * 0.22) << QPointF(w * 0.46, w * 0.3)
        << QPointF(w * 0.08, w * 0.3);
    p.drawPolygon(tab);
    p.setBrush(QColor(245, 195, 70));
    p.drawRoundedRect(QRectF(w * 0.08, w * 0.3, w * 0.84, w * 0.52), 6, 6);
}

void drawFolderTwo(QPainter &p, const QRectF &r)
{
    drawFolderBody(p, r);
}

// The same folder with a red mark: the previous session was not finished.
void drawFolderThree(QPainter &p, const QRectF &r)
{
    drawFolderBody(p, r);
    const qreal w = r.width();
    p.setPen(QPen(QColor(120, 0, 0), 3));
    p.setBrush(QColor(220, 30, 30));
    p.drawEllipse(QPointF(w * 0.5, w * 0.56), w * 0.17, w * 0.17);
    p.setPen(QPen(Qt::white, w * 0.05, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(w * 0.5, w * 0.46), QPointF(w * 0.5, w * 0.58));
    p.drawPoint(QPointF(w * 0.5, w * 0.66));
}

// An open book: the stored sessions to look at.
void drawBook(QPainter &p, const QRectF &r)
{
    const qreal w = r.width();
    p.setPen(QPen(QColor(40, 50, 110), 3));
    p.setBrush(QColor(245, 245, 250));
    QPolygonF left;
    left << QPointF(w * 0.5, w * 0.28) << QPointF(w * 0.1, w * 0.2) << QPointF(w * 0.1, w * 0.78)
         << QPointF(w * 0.5, w * 0.86);
    QPolygonF right;
    right << QPointF(w * 0.5, w * 0.28) << QPointF(w * 0.9, w * 0.2) << QPointF(w * 0.9, w * 0.78)
          << QPointF(w * 0.5, w * 0.86);
    p.drawPolygon(left);
    p.drawPolygon(right);
    p.setPen(QPen(QColor(90, 110, 200), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const qreal y = w * (0.36 + 0.11 * i);
        p.drawLine(QPointF(w * 0.18, y - w * 0.04), QPointF(w * 0.42, y));
        p.drawLine(QPointF(w * 0.58, y), QPointF(w * 0.82, y - w * 0.04));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    return woxIconCanvas::run(argc, argv, [] {
        return save("icons/full.png", 128, 64, drawFull)
               && save("icons/append.png", 192, 64, drawAppend)
               && save("icons/eraser.png", 48, 48, drawEraser)
               && save("icons/listTwo.png", 128, 128, drawListTwo)
               && save("icons/folderTwo.png", 160, 160, drawFolderTwo)
               && save("icons/folderThree.png", 160, 160, drawFolderThree)
               && save("icons/book.02.png", 128, 128, drawBook);
    });
}
