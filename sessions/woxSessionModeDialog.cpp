#include "woxSessionModeDialog.h"

#include "woxTranslator.h"

namespace {

const int electrodeCount = 64;

} // namespace

woxSessionModeDialog::woxSessionModeDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setupUi(this);
    appendComboBox->addItems({QStringLiteral("32"), QStringLiteral("16"), QStringLiteral("8")});
    setFixedSize(450, 230);
    connect(fullPushButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(appendPushButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate, this,
            &woxSessionModeDialog::onTranslate);
    onTranslate();
}

woxSessionModeDialog::~woxSessionModeDialog() = default;

quint16 woxSessionModeDialog::segmentStart(int result) const
{
    return segmentStart(result, appendComboBox->currentText());
}

quint16 woxSessionModeDialog::segmentStart(int result, const QString &segment)
{
    if (result == QDialog::Accepted)
        return 0;
    return quint16(electrodeCount - segment.toInt());
}

void woxSessionModeDialog::onTranslate()
{
    setWindowTitle(tr("Session mode"));
    fullPushButton->setText(tr("Full"));
    appendPushButton->setText(tr("Append"));
    _segmentLabel->setText(tr("Cable segment to append:"));
}
