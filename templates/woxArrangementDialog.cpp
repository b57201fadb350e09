#include "woxArrangementDialog.h"

#include "woxStyleSheet.h"
#include "woxTranslator.h"

#include <algorithm>

woxArrangementDialog::woxArrangementDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setupUi(this);
    setFixedSize(500, 200);
    for (int n = 1; n <= 2; ++n)
        cablesComboBox->addItem(QStringLiteral("%1").arg(n));
    connect(decCableSpacingToolButton, &QToolButton::clicked,
            this, &woxArrangementDialog::onDecCableSpacing);
    connect(incCableSpacingToolButton, &QToolButton::clicked,
            this, &woxArrangementDialog::onIncCableSpacing);
    connect(cableSpacingHorizontalSlider, &QSlider::valueChanged,
            this, &woxArrangementDialog::onCableSpacingLabelUpdate);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate,
            this, &woxArrangementDialog::onTranslate);
    woxStyleSheet::apply(cableSpacingHorizontalSlider,
                         QStringLiteral(":/system/system/hSlider.qss"));
    onTranslate();
}

void woxArrangementDialog::setCables(woxCable n)
{
    cablesComboBox->setCurrentIndex(int(n) - 1);
}

void woxArrangementDialog::setCableSpacing(woxCableSpacing metres)
{
    // Nearest decimetre, halves upwards, on the slider's usable stops 1 to
    // 100. Clamped before the conversion so that a damaged spacing (NaN,
    // huge) cannot overflow it, and never 0, which is no line at all.
    // The product is taken in float: a stored half decimetre such as 0.35f
    // lies just below 0.35, and only the float product lands on the half
    // that then rounds upwards.
    double dm = double(10.0f * metres) + 0.5;
    if (!(dm >= 1.0))
        dm = 1.0;
    dm = std::min(dm, double(cableSpacingHorizontalSlider->maximum()));
    cableSpacingHorizontalSlider->setValue(int(dm));
}

woxCable woxArrangementDialog::cables() const
{
    return woxCable(cablesComboBox->currentText().toUInt());
}

woxCableSpacing woxArrangementDialog::cableSpacing() const
{
    return woxCableSpacing(cableSpacingHorizontalSlider->value() / 10.0);
}

void woxArrangementDialog::onTranslate()
{
    setWindowTitle(tr("Edit arrangement"));
    acceptPushButton->setText(tr("Accept"));
    cancelPushButton->setText(tr("Cancel"));
    _cablesLabel->setText(tr("Cables:"));
    _cableSpacingLabel->setText(tr("Cable spacing:"));
}

void woxArrangementDialog::onCableSpacingLabelUpdate(int dm)
{
    // A spacing of zero is not a line: the slider's lowest usable stop is 1.
    // Raising it re-enters here with 1, which then sets the label.
    if (dm == 0) {
        cableSpacingHorizontalSlider->setValue(1);
        return;
    }
    cableSpacingLabel->setText(QStringLiteral("%1 <font color=BLACK>%2</font>")
                                   .arg(dm / 10.0, 0, 'f', 1)
                                   .arg(tr("m")));
}

void woxArrangementDialog::onIncCableSpacing()
{
    cableSpacingHorizontalSlider->setValue(cableSpacingHorizontalSlider->value() + 1);
}

void woxArrangementDialog::onDecCableSpacing()
{
    cableSpacingHorizontalSlider->setValue(cableSpacingHorizontalSlider->value() - 1);
}
