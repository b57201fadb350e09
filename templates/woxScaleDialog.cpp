#include "woxScaleDialog.h"

#include "woxAxisStepForm.h"
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
    woxAxisStepForm::colourValueLabels<Ui::mScaleDialog>(this);
    for (QPushButton *button : woxAxisStepForm::stepButtons<Ui::mScaleDialog>(this))
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
    woxAxisStepForm::addToCheckedAxis<Ui::mScaleDialog>(this, step, xValue, yValue, zValue);
    xLabel->setText(labelText(xValue));
    yLabel->setText(labelText(yValue));
    zLabel->setText(labelText(zValue));
}

void woxScaleDialog::go()
{
    float step = 0.0f;
    if (woxAxisStepForm::stepOf<Ui::mScaleDialog>(this, sender(), &step))
        update(step);
}

QString woxScaleDialog::labelText(float value) const
{
    return QStringLiteral("* %1").arg(QString::number(value, 'f', 2));
}
