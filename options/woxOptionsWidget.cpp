#include "woxOptionsWidget.h"

#include "woxConstants.h"
#include "woxOptionValues.h"
#include "woxStyleSheet.h"
#include "woxTranslator.h"

#include <QSettings>

woxOptionsWidget *woxOptionsWidget::registered = nullptr;

namespace {

const QString settingsApplication = QStringLiteral("woxOptionsWidget");
const QString dialKey = QStringLiteral("transmitterDial");
const QString pulseKey = QStringLiteral("pulseDurationComboBox");
const QString pauseKey = QStringLiteral("pauseDurationComboBox");
const QString deviationKey = QStringLiteral("deviationComboBox");
const QString minStackingKey = QStringLiteral("minStackingSlider");
const QString maxStackingKey = QStringLiteral("maxStackingSlider");

void fillList(QComboBox *list, const QString &entries)
{
    for (const QString &entry : entries.split(QLatin1Char(',')))
        list->addItem(entry);
}

// A stored index outside the list would leave it without a current entry,
// and the instrument would get nonsense codes: such an index loads the
// key's default instead.
void loadIndex(QComboBox *list, const QSettings &settings, const QString &key, int fallback)
{
    const int index = settings.value(key, fallback).toInt();
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : fallback);
}

QString blue(const QString &text)
{
    return QStringLiteral("<font color=BLUE>%1</font>").arg(text);
}

} // namespace

woxOptionsWidget::woxOptionsWidget(QWidget *parent)
    : QWidget(parent)
{
    setupUi(this);
    fillLists();
    resistivityPositive.load(QStringLiteral(":/pulses/pulses/resPos.png"));
    resistivityNegative.load(QStringLiteral(":/pulses/pulses/resNeg.png"));
    ipPositive.load(QStringLiteral(":/pulses/pulses/resIpPos.png"));
    ipNegative.load(QStringLiteral(":/pulses/pulses/resIpNeg.png"));
    loadSettings();
    makeConnections();
    if (!registered)
        registered = this;
    for (QSlider *slider : {minStackingSlider, maxStackingSlider})
        woxStyleSheet::apply(slider, QStringLiteral(":/system/system/hSlider.qss"));
    onTranslate();
}

woxOptionsWidget::~woxOptionsWidget()
{
    if (registered == this)
        registered = nullptr;
}

void woxOptionsWidget::fillLists()
{
    fillList(pulseDurationComboBox, pulseDurationList);
    fillList(pauseDurationComboBox, pauseDurationList);
    fillList(deviationComboBox, deviationList);
}

void woxOptionsWidget::makeConnections()
{
    connect(transmitterDial, &QDial::valueChanged, this,
            &woxOptionsWidget::onTransmitterLabelUpdate);
    connect(minStackingSlider, &QSlider::valueChanged, this,
            &woxOptionsWidget::onMinStackingUpdate);
    connect(maxStackingSlider, &QSlider::valueChanged, this,
            &woxOptionsWidget::onMaxStackingUpdate);
    connect(pulseDurationComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &woxOptionsWidget::onPulseInfoUpdate);
    connect(pauseDurationComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &woxOptionsWidget::onPulseInfoUpdate);
    connect(decMinStackingToolButton, &QToolButton::clicked, this,
            &woxOptionsWidget::onDecMinStacking);
    connect(incMinStackingToolButton, &QToolButton::clicked, this,
            &woxOptionsWidget::onIncMinStacking);
    connect(decMaxStackingToolButton, &QToolButton::clicked, this,
            &woxOptionsWidget::onDecMaxStacking);
    connect(incMaxStackingToolButton, &QToolButton::clicked, this,
            &woxOptionsWidget::onIncMaxStacking);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate, this,
            &woxOptionsWidget::onTranslate);
}

void woxOptionsWidget::loadSettings()
{
    const QSettings settings(settingsOrganisation, settingsApplication);
    transmitterDial->setValue(settings.value(dialKey, 25).toInt());
    loadIndex(pulseDurationComboBox, settings, pulseKey, 0);
    loadIndex(pauseDurationComboBox, settings, pauseKey, 0);
    loadIndex(deviationComboBox, settings, deviationKey, 3);
    minStackingSlider->setValue(settings.value(minStackingKey, 3).toInt());
    maxStackingSlider->setValue(settings.value(maxStackingKey, 5).toInt());
    // Pulled down here rather than by the slot: no connection exists yet to
    // re-enter it, and its label would keep the placeholder.
    minStackingSlider->setValue(qMin(minStackingSlider->value(), maxStackingSlider->value()));
    onTransmitterLabelUpdate(transmitterDial->value());
    onMinStackingUpdate(minStackingSlider->value());
    onMaxStackingUpdate(maxStackingSlider->value());
}

void woxOptionsWidget::saveSettings()
{
    QSettings settings(settingsOrganisation, settingsApplication);
    settings.setValue(dialKey, transmitterDial->value());
    settings.setValue(pulseKey, pulseDurationComboBox->currentIndex());
    settings.setValue(pauseKey, pauseDurationComboBox->currentIndex());
    settings.setValue(deviationKey, deviationComboBox->currentIndex());
    settings.setValue(minStackingKey, minStackingSlider->value());
    settings.setValue(maxStackingKey, maxStackingSlider->value());
}

woxMeasureOptions woxOptionsWidget::measurementSettings()
{
    woxMeasureOptions options;
    if (!registered)
        return options;
    const woxOptionsWidget *page = registered;
    options.pulseDuration =
        quint16(woxOptionValues::entryNumber(page->pulseDurationComboBox->currentText()));
    options.pulseCode = woxOptionValues::durationCode(options.pulseDuration);
    const int pause = woxOptionValues::entryNumber(page->pauseDurationComboBox->currentText());
    options.ipEnabled = woxOptionValues::ipEnabled(pause);
    options.pauseCode = woxOptionValues::pauseCode(pause);
    options.deviation = page->deviationComboBox->currentText().toFloat();
    options.minStacking = quint8(page->minStackingSlider->value());
    options.maxStacking = quint8(page->maxStackingSlider->value());
    options.transmitterPercent = quint8(page->transmitterDial->value());
    return options;
}

void woxOptionsWidget::measurementDuration(int *minimum, int *maximum)
{
    if (!registered) {
        *minimum = 0;
        *maximum = 0;
        return;
    }
    const int pulse = woxOptionValues::entryNumber(registered->pulseDurationComboBox->currentText());
    const int pause = woxOptionValues::entryNumber(registered->pauseDurationComboBox->currentText());
    *minimum = woxOptionValues::measurementDuration(pulse, pause,
                                                    registered->minStackingSlider->value());
    *maximum = woxOptionValues::measurementDuration(pulse, pause,
                                                    registered->maxStackingSlider->value());
}

void woxOptionsWidget::setPauseDisabled(bool disabled)
{
    if (registered)
        registered->pauseDurationComboBox->setDisabled(disabled);
}

bool woxOptionsWidget::selectPause(const woxMeasureOptions &stored)
{
    if (!registered)
        return false;
    QComboBox *list = registered->pauseDurationComboBox;
    for (int i = 0; i < list->count(); ++i) {
        const int pause = woxOptionValues::entryNumber(list->itemText(i));
        if (woxOptionValues::pauseCode(pause) == stored.pauseCode) {
            list->setCurrentIndex(i);
            return true;
        }
    }
    return false;
}

void woxOptionsWidget::onTranslate()
{
    const QString caption = QStringLiteral("%1 [%2]:");
    pulsesGroupBox->setTitle(tr("Pulses"));
    qualityGroupBox->setTitle(tr("Quality"));
    transmitterVoltageGroupBox->setTitle(tr("Transmitter voltage"));
    _pulseDurationLabel->setText(caption.arg(tr("Pulse duration"), tr("msec")));
    _pauseDurationLabel->setText(caption.arg(tr("Pause duration"), tr("msec")));
    _frequencyLabel->setText(caption.arg(tr("Frequency"), tr("Hz")));
    _modeLabel->setText(tr("Mode:"));
    _deviationLabel->setText(QStringLiteral("%1 [%]:").arg(tr("Relative standart deviation")));
    _minStackingLabel->setText(tr("Min cycles:"));
    _maxStackingLabel->setText(tr("Max cycles:"));
    onPulseInfoUpdate();
    onTransmitterLabelUpdate(transmitterDial->value());
}

void woxOptionsWidget::onTransmitterLabelUpdate(int percent)
{
    transmitterLabel->setText(QStringLiteral("<font color=blue>%1</font> %2")
                                  .arg(woxOptionValues::voltageText(percent), tr("V")));
}

void woxOptionsWidget::onMinStackingUpdate(int value)
{
    // Pulled back to the maximum; the slider's own signal re-enters here
    // with that value and writes the label.
    if (maxStackingSlider->value() < value) {
        minStackingSlider->setValue(maxStackingSlider->value());
        return;
    }
    minStackingLabel->setText(blue(QString::number(value)));
}

void woxOptionsWidget::onMaxStackingUpdate(int value)
{
    if (minStackingSlider->value() > value) {
        maxStackingSlider->setValue(minStackingSlider->value());
        return;
    }
    maxStackingLabel->setText(blue(QString::number(value)));
}

void woxOptionsWidget::onPulseInfoUpdate()
{
    const int pulse = woxOptionValues::entryNumber(pulseDurationComboBox->currentText());
    const int pause = woxOptionValues::entryNumber(pauseDurationComboBox->currentText());
    const QString pulseText = QStringLiteral("%1 %2").arg(blue(QString::number(pulse)), tr("msec"));
    const QString pauseText = QStringLiteral("%1 %2").arg(blue(QString::number(pause)), tr("msec"));
    pulsePosLabel->setText(pulseText);
    pulseNegLabel->setText(pulseText);
    pausePosLabel->setText(pauseText);
    pauseNegLabel->setText(pauseText);
    frequencyLabel->setText(woxOptionValues::frequencyText(pulse, pause));
    const bool ip = woxOptionValues::ipEnabled(pause);
    posPixLabel->setPixmap(ip ? ipPositive : resistivityPositive);
    negPixLabel->setPixmap(ip ? ipNegative : resistivityNegative);
    if (ip)
        modeLabel->setText(blue(tr("RESISTIVITY")) + QStringLiteral(" + ") + blue(tr("IP")));
    else
        modeLabel->setText(blue(tr("RESISTIVITY")));
}

void woxOptionsWidget::onDecMinStacking()
{
    minStackingSlider->setValue(minStackingSlider->value() - 1);
}

void woxOptionsWidget::onIncMinStacking()
{
    minStackingSlider->setValue(minStackingSlider->value() + 1);
}

void woxOptionsWidget::onDecMaxStacking()
{
    maxStackingSlider->setValue(maxStackingSlider->value() - 1);
}

void woxOptionsWidget::onIncMaxStacking()
{
    maxStackingSlider->setValue(maxStackingSlider->value() + 1);
}
