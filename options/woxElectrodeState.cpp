#include "woxElectrodeState.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QLabel>

namespace {

const float notMeasured = -1.0f;

// Shared by every cell of every dialog for the life of the process.
QIcon *enabledPicture = nullptr;
QIcon *disabledPicture = nullptr;

} // namespace

woxElectrodeState::woxElectrodeState(QLabel *label, QAbstractButton *button)
    : resistanceValue(notMeasured), disabled(false), singleLine(false), button(button),
      label(label)
{
    loadPictures();
}

woxElectrodeState::woxElectrodeState(QLabel *label, bool singleLine)
    : resistanceValue(notMeasured), disabled(false), singleLine(singleLine), button(nullptr),
      label(label)
{
}

void woxElectrodeState::loadPictures()
{
    if (!enabledPicture)
        enabledPicture = new QIcon(QStringLiteral(":/wires/wires/enabled.png"));
    if (!disabledPicture)
        disabledPicture = new QIcon(QStringLiteral(":/wires/wires/disabled.png"));
}

void woxElectrodeState::reset()
{
    resistanceValue = notMeasured;
    disabled = false;
}

void woxElectrodeState::disableIfAbove(float threshold)
{
    if (resistanceValue >= threshold)
        disabled = true;
}

void woxElectrodeState::setResistance(float value)
{
    // Written so that NaN, which compares false, also ends as not measured.
    resistanceValue = value > 0.0f ? value : notMeasured;
}

float woxElectrodeState::resistance() const
{
    return resistanceValue;
}

void woxElectrodeState::toggle()
{
    disabled = !disabled;
}

bool woxElectrodeState::isMeasured() const
{
    return resistanceValue != notMeasured;
}

bool woxElectrodeState::isDisabled() const
{
    return disabled;
}

void woxElectrodeState::updateWidgets(float threshold) const
{
    if (button)
        button->setIcon(disabled ? *disabledPicture : *enabledPicture);
    if (!label)
        return;
    QPalette palette = QApplication::palette();
    QString text;
    QColor colour = Qt::black;
    // Looked up at every drawing, so a language change shows at the next refresh.
    if (!isMeasured()) {
        const QString notAvailable = QObject::tr("N / A");
        text = singleLine ? notAvailable : QStringLiteral("%1\n ").arg(notAvailable);
    } else {
        text = QStringLiteral("%1\n%2")
                   .arg(QString::number(double(resistanceValue), 'f', 2),
                        QObject::tr("k") + QObject::tr("Ohm"));
        colour = resistanceValue >= threshold ? Qt::red : Qt::blue;
    }
    label->setText(text);
    palette.setBrush(QPalette::Active, QPalette::WindowText, QBrush(colour));
    label->setPalette(palette);
}
