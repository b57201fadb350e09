#include "woxCaptionStyle.h"

#include <QFont>
#include <QLabel>
#include <QPalette>

void woxCaptionStyle::apply(QLabel *label)
{
    QFont font(QStringLiteral("Consolas"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(12);
    font.setWeight(QFont::Bold);
    QPalette blue = label->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    label->setFont(font);
    label->setPalette(blue);
    label->setTextFormat(Qt::PlainText);
}
