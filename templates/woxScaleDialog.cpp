#include "woxScaleDialog.h"

#include "woxTranslator.h"

woxScaleDialog::woxScaleDialog(QWidget *parent)
    : QDialog(parent)
    , xValue(1.0f)
    , yValue(1.0f)
    , zValue(1.0f)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setupUi(this);
    setWindowTitle(tr("Scale"));
    setFixedSize(500, 350);
    for (QLabel *label : {xLabel, yLabel, zLabel}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
        label->setPalette(palette);
    }
    for (QPushButton *button : {p0_01, p0_1, p1, p10, p100, m0_01, m0_1, m1, m10, m100})
        connect(button, &QPushButton::clicked, this, &woxScaleDialog::go);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate,
            this, &woxScaleDialog::onTranslate);
    onTranslate();
    update(0.0f);
}

woxScaleDialog::~woxScaleDialog() = default;

void woxScaleDialog::factors(float &x, float &y, float &z) const
{
    x = xValue;
    y = yValue;
    z = zValue;
}

void woxScaleDialog::onTranslate()
{
    acceptPushButton->setText(tr("Accept"));
    cancelPushButton->setText(tr("Cancel"));
}

void woxScaleDialog::update(float step)
{
    if (xRadioButton->isChecked())
        xValue = xValue + step;
    else if (yRadioButton->isChecked())
        yValue = yValue + step;
    else if (zRadioButton->isChecked())
        zValue = zValue + step;
    xLabel->setText(labelText(xValue));
    yLabel->setText(labelText(yValue));
    zLabel->setText(labelText(zValue));
}

void woxScaleDialog::go()
{
    const QObject *button = sender();
    const std::pair<const QObject *, float> steps[] = {
        {p0_01, 0.01f}, {m0_01, -0.01f}, {p0_1, 0.1f}, {m0_1, -0.1f}, {p1, 1.0f},
        {m1, -1.0f},    {p10, 10.0f},    {m10, -10.0f}, {p100, 100.0f}, {m100, -100.0f}};
    for (const auto &step : steps) {
        if (step.first == button) {
            update(step.second);
            return;
        }
    }
}

QString woxScaleDialog::labelText(float value) const
{
    return QStringLiteral("* %1").arg(QString::number(value, 'f', 2));
}
