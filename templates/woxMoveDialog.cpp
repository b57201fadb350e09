#include "woxMoveDialog.h"

#include "woxTranslator.h"

woxMoveDialog::woxMoveDialog(QWidget *parent)
    : QDialog(parent)
    , xValue(0.0f)
    , yValue(0.0f)
    , zValue(0.0f)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setupUi(this);
    setWindowTitle(tr("Move"));
    setFixedSize(500, 350);
    for (QLabel *label : {xLabel, yLabel, zLabel}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
        label->setPalette(palette);
    }
    for (QPushButton *button : {p0_01, p0_1, p1, p10, p100, m0_01, m0_1, m1, m10, m100})
        connect(button, &QPushButton::clicked, this, &woxMoveDialog::go);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate,
            this, &woxMoveDialog::onTranslate);
    onTranslate();
    update(0.0f);
}

woxMoveDialog::~woxMoveDialog() = default;

void woxMoveDialog::offsets(float &x, float &y, float &z) const
{
    x = xValue;
    y = yValue;
    z = zValue;
}

void woxMoveDialog::onTranslate()
{
    acceptPushButton->setText(tr("Accept"));
    cancelPushButton->setText(tr("Cancel"));
}

void woxMoveDialog::update(float step)
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

void woxMoveDialog::go()
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

QString woxMoveDialog::labelText(float value) const
{
    // A negative value carries its own minus sign.
    const QString sign = value > 0.0f ? QStringLiteral("+") : QString();
    return QStringLiteral("%1%2 ").arg(sign, QString::number(value, 'f', 2)) + tr("m");
}
