#include "woxSignalWidget.h"

#include "woxCaptionStyle.h"
#include "woxCore.h"
#include "woxCoreQuadripole.h"
#include "woxOptionsWidget.h"
#include "woxSignalSeries.h"
#include "woxTranslator.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

#include <QCloseEvent>
#include <QPointer>

namespace {

const QChar infinity(0x221E);

// The session table's electrode labels: a remote electrode is named by
// the side it is remote on, every other one by its 1-based number.
QString electrodeText(woxElectrode electrode, woxElectrode remote, const QString &prefix)
{
    if (electrode == remote)
        return prefix.arg(infinity);
    return QString::number(int(electrode) + 1);
}

void drawSeries(woxSignalPlot &plot, const woxSignalSeries &s)
{
    plot.setData(s.pulse1Samples, s.pulse1Line, s.pause1Samples, s.pause1Line, s.pulse2Samples,
                 s.pulse2Line, s.pause2Samples, s.pause2Line);
}

} // namespace

woxSignalWidget::woxSignalWidget(QWidget *parent)
    : QWidget(parent)
{
    setupUi(this);
    for (QLabel *label : {_timeLabel01, _timeLabel02, _timeLabel03, _txVoltageLabel,
                          _txCurrentLabel, _rxVoltageLabel})
        woxCaptionStyle::apply(label);
    badPushButton->setEnabled(false);
    txVoltageFrame->layout()->addWidget(&txVoltagePlot);
    txCurrentFrame->layout()->addWidget(&txCurrentPlot);
    rxVoltageFrame->layout()->addWidget(&rxVoltagePlot);
    connect(startPushButton, &QPushButton::clicked, this, &woxSignalWidget::onStart);
    connect(acceptPushButton, &QPushButton::clicked, this, &woxSignalWidget::onAccept);
    connect(badPushButton, &QPushButton::clicked, this, &woxSignalWidget::onBad);
    connect(woxCore::instance(), &woxCore::sendReportSignal, this,
            &woxSignalWidget::onReportSignal);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate, this,
            &woxSignalWidget::onTranslate);
    onTranslate();
}

woxSignalWidget::~woxSignalWidget() = default;

QString woxSignalWidget::headerText(const woxQuadripole &q)
{
    const QString tx = QStringLiteral("Tx%1");
    const QString rx = QStringLiteral("Rx%1");
    return QStringLiteral("A: %1, B: %2, M: %3, N: %4")
        .arg(electrodeText(q.a, woxRemoteCurrentElectrode, tx),
             electrodeText(q.b, woxRemotePotentialElectrode, rx),
             electrodeText(q.m, woxRemotePotentialElectrode, rx),
             electrodeText(q.n, woxRemoteCurrentElectrode, tx));
}

void woxSignalWidget::setQuadripole(woxQuadripole newQuadripole)
{
    quadripole = newQuadripole;
    woxUserMessage::instance()->messageForever(headerText(quadripole));
}

void woxSignalWidget::hideBadButton()
{
    badPushButton->setVisible(false);
}

void woxSignalWidget::onTranslate()
{
    badPushButton->setText(tr("Bad"));
    acceptPushButton->setText(tr("Accept"));
    startPushButton->setText(tr("Start"));
    tabWidget->setTabText(0, tr("Input voltage"));
    tabWidget->setTabText(1, tr("Output voltage"));
    tabWidget->setTabText(2, tr("Output current"));
    for (QLabel *label : {_timeLabel01, _timeLabel02, _timeLabel03})
        label->setText(tr("T i m e  [msec]"));
    // Vertical captions: one letter per line.
    _txVoltageLabel->setText(tr("Tx\n\nV\no\nl\nt\na\ng\ne\n\n[V]"));
    _txCurrentLabel->setText(tr("Tx\n\nC\nu\nr\nr\ne\nn\nt\n\n[mA]"));
    _rxVoltageLabel->setText(tr("Rx\n\nV\no\nl\nt\na\ng\ne\n\n[mV]"));
}

void woxSignalWidget::closeEvent(QCloseEvent *event)
{
    woxUserMessage::instance()->messageForever(QString());
    // The opener may delete this window in the slot connected here: nothing
    // of the window is touched after the emission but the event.
    emit sendSignalWidgetClose();
    event->accept();
}

void woxSignalWidget::onAccept()
{
    emit sendSpacingLevelAuxConfig(quadripole.spacing, quadripole.level, false);
    close();
}

void woxSignalWidget::onBad()
{
    emit sendSpacingLevelAuxConfig(quadripole.spacing, quadripole.level, true);
    close();
}

void woxSignalWidget::onStart()
{
    setButtonsEnabled(false);
    woxCoreQuadripole request;
    request.a = quadripole.a;
    request.b = quadripole.b;
    request.m = quadripole.m;
    request.n = quadripole.n;
    request.channel = quint8(quadripole.m & 15);
    woxCore::instance()->measureSignal(request, woxOptionsWidget::measurementSettings());
}

void woxSignalWidget::onReportSignal(const woxCoreReportSignal report)
{
    if (report.error.code != 0) {
        const woxSignalSeries none;
        for (woxSignalPlot *plot : {&txVoltagePlot, &txCurrentPlot, &rxVoltagePlot})
            drawSeries(*plot, none);
        // The opener may dispose of the window while the message is open.
        const QPointer<woxSignalWidget> alive(this);
        woxWarningDialog::showOk(report.error.toString());
        if (!alive)
            return;
    } else {
        const QVector<woxSignalSeries> series = woxSignalSeries::fromReport(report);
        drawSeries(txVoltagePlot, series.at(woxSignalSeries::OutputVoltage));
        drawSeries(txCurrentPlot, series.at(woxSignalSeries::OutputCurrent));
        drawSeries(rxVoltagePlot, series.at(woxSignalSeries::InputVoltage));
    }
    setButtonsEnabled(true);
}

void woxSignalWidget::setButtonsEnabled(bool enabled)
{
    startPushButton->setEnabled(enabled);
    acceptPushButton->setEnabled(enabled);
    badPushButton->setEnabled(enabled);
}
