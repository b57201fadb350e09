#include "woxMoveDialog.h"

#include "woxAxisStepForm.h"
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
    woxAxisStepForm::colourValueLabels<Ui::mMoveDialog>(this);
    for (QPushButton *button : woxAxisStepForm::stepButtons<Ui::mMoveDialog>(this))
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
    woxAxisStepForm::addToCheckedAxis<Ui::mMoveDialog>(this, step, xValue, yValue, zValue);
    xLabel->setText(labelText(xValue));
    yLabel->setText(labelText(yValue));
    zLabel->setText(labelText(zValue));
}

void woxMoveDialog::go()
{
    float step = 0.0f;
    if (woxAxisStepForm::stepOf<Ui::mMoveDialog>(this, sender(), &step))
        update(step);
}

QString woxMoveDialog::labelText(float value) const
{
    // A negative value carries its own minus sign.
    const QString sign = value > 0.0f ? QStringLiteral("+") : QString();
    return QStringLiteral("%1%2 ").arg(sign, QString::number(value, 'f', 2)) + tr("m");
}
