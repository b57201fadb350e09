#include "woxERTTemplateWidget.h"

#include "woxCaptionStyle.h"
#include "woxConstants.h"
#include "woxDurationEstimate.h"
#include "woxERTFormat.h"
#include "woxFileSaver.h"
#include "woxKeyboardDialog.h"
#include "woxMoveDialog.h"
#include "woxOptionsWidget.h"
#include "woxScaleDialog.h"
#include "woxStyleSheet.h"
#include "woxTemplateDataModel.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"

#include <QCloseEvent>
#include <QFile>
#include <QHeaderView>
#include <QVector>
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>
#include <qwt_symbol.h>

namespace {

const QString varnexSuffix = QStringLiteral(".txt");

QTableWidgetItem *cell(const QString &text)
{
    return new QTableWidgetItem(text);
}

QString metres(float value)
{
    return QStringLiteral("%1").arg(double(value), 0, 'f', 2);
}

} // namespace

woxERTTemplateWidget::woxERTTemplateWidget(const QString &fileName,
                                           const QMap<woxElectrode, woxElectrodePosition> &electrodes,
                                           const QList<woxQuadripole> &quadripoles,
                                           QWidget *parent)
    : QWidget(parent)
    , fileName(fileName)
    , electrodes(electrodes)
    , quadripoles(quadripoles)
{
    setupUi(this);
    connect(movePushButton, &QPushButton::clicked, this, &woxERTTemplateWidget::onMove);
    connect(scalePushButton, &QPushButton::clicked, this, &woxERTTemplateWidget::onScale);
    connect(savePushButton, &QPushButton::clicked, this, &woxERTTemplateWidget::onSave);
    connect(estimatePushButton, &QPushButton::clicked, this, &woxERTTemplateWidget::onEstimate);
    connect(closePushButton, &QPushButton::clicked, this, &QWidget::close);
    setUpTable();
    setUpPlot();
    connect(xyRadioButton, &QRadioButton::clicked, this, &woxERTTemplateWidget::onXY);
    connect(xzRadioButton, &QRadioButton::clicked, this, &woxERTTemplateWidget::onXZ);
    connect(yzRadioButton, &QRadioButton::clicked, this, &woxERTTemplateWidget::onYZ);
    fill();
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate,
            this, &woxERTTemplateWidget::onTranslate);
    onTranslate();
    onXY();
}

// The plot is a child widget and deletes its grid and curves itself.
woxERTTemplateWidget::~woxERTTemplateWidget() = default;

void woxERTTemplateWidget::setUpTable()
{
    tableWidget->setColumnCount(4);
    woxStyleSheet::apply(tableWidget->horizontalHeader(),
                         QStringLiteral(":/system/system/bHeaderView.qss"));
    woxStyleSheet::apply(tableWidget, QStringLiteral(":/system/system/vScrollBar.qss"));
    for (QHeaderView *header : {tableWidget->horizontalHeader(), tableWidget->verticalHeader()}) {
        header->setSectionsClickable(false);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
}

void woxERTTemplateWidget::setUpPlot()
{
    plot = new QwtPlot();
    if (QwtPlotCanvas *canvas = qobject_cast<QwtPlotCanvas *>(plot->canvas())) {
        canvas->setFrameShape(QFrame::Box);
        canvas->setLineWidth(1);
    }
    plot->canvas()->setCursor(Qt::ArrowCursor);
    plot->setCanvasBackground(QBrush(Qt::white));
    plot->setAutoReplot(true);
    grid = new QwtPlotGrid();
    grid->setPen(QPen(QBrush(Qt::gray), 0.0, Qt::DotLine));
    grid->attach(plot);
    xyCurve = addCurve();
    xzCurve = addCurve();
    yzCurve = addCurve();
    plotLayout->addWidget(plot);
    for (QLabel *caption : {_xLabel, _yLabel, lyLabel, lzLabel})
        woxCaptionStyle::apply(caption);
}

QwtPlotCurve *woxERTTemplateWidget::addCurve()
{
    QwtPlotCurve *curve = new QwtPlotCurve(QString());
    curve->setRenderHint(QwtPlotItem::RenderAntialiased, true);
    curve->setPen(QPen(QBrush(Qt::blue), 0.0));
    curve->setSymbol(new QwtSymbol(QwtSymbol::Ellipse, QBrush(Qt::blue), QPen(Qt::blue),
                                   QSize(6, 6)));
    curve->attach(plot);
    return curve;
}

void woxERTTemplateWidget::fill()
{
    tableWidget->clearContents();
    tableWidget->setRowCount(electrodes.size());
    QVector<QPointF> xy, xz, yz;
    int row = 0;
    for (auto it = electrodes.constBegin(); it != electrodes.constEnd(); ++it, ++row) {
        const woxElectrodePosition &p = it.value();
        tableWidget->setItem(row, 0, cell(QStringLiteral("%1").arg(it.key())));
        tableWidget->setItem(row, 1, cell(metres(p.x)));
        tableWidget->setItem(row, 2, cell(metres(p.y)));
        tableWidget->setItem(row, 3, cell(metres(p.z)));
        xy.append(QPointF(double(p.x), double(p.y)));
        xz.append(QPointF(double(p.x), double(p.z)));
        yz.append(QPointF(double(p.y), double(p.z)));
    }
    xyCurve->setSamples(xy);
    xzCurve->setSamples(xz);
    yzCurve->setSamples(yz);
}

void woxERTTemplateWidget::onTranslate()
{
    movePushButton->setText(tr("Move"));
    scalePushButton->setText(tr("Scale"));
    estimatePushButton->setText(tr("Estimate duration"));
    closePushButton->setText(tr("Close template"));
    savePushButton->setText(tr("Save template"));
    _xLabel->setText(tr("X [m]"));
    _yLabel->setText(tr("Y [m]"));
    lyLabel->setText(tr("Y [m]"));
    lzLabel->setText(tr("Z [m]"));
    tabWidget->setTabText(0, tr("Table"));
    tabWidget->setTabText(1, tr("Graphics"));
    tableWidget->setHorizontalHeaderLabels({tr("Electrode"), tr("X [m]"), tr("Y [m]"), tr("Z [m]")});
}

void woxERTTemplateWidget::showProjection(QLabel *below, QLabel *left, QwtPlotCurve *curve)
{
    for (QLabel *caption : {_xLabel, _yLabel})
        caption->setVisible(caption == below);
    for (QLabel *caption : {lyLabel, lzLabel})
        caption->setVisible(caption == left);
    for (QwtPlotCurve *each : {xyCurve, xzCurve, yzCurve})
        each->setVisible(each == curve);
}

void woxERTTemplateWidget::onXY()
{
    showProjection(_xLabel, lyLabel, xyCurve);
}

void woxERTTemplateWidget::onXZ()
{
    showProjection(_xLabel, lzLabel, xzCurve);
}

void woxERTTemplateWidget::onYZ()
{
    showProjection(_yLabel, lzLabel, yzCurve);
}

void woxERTTemplateWidget::onMove()
{
    woxMoveDialog dialog;
    if (dialog.exec() != QDialog::Accepted)
        return;
    float x = 0.0f, y = 0.0f, z = 0.0f;
    dialog.offsets(x, y, z);
    for (woxElectrodePosition &p : electrodes) {
        p.x += x;
        p.y += y;
        p.z += z;
    }
    fill();
    changed = true;
}

void woxERTTemplateWidget::onScale()
{
    woxScaleDialog dialog;
    if (dialog.exec() != QDialog::Accepted)
        return;
    float x = 1.0f, y = 1.0f, z = 1.0f;
    dialog.factors(x, y, z);
    for (woxElectrodePosition &p : electrodes) {
        p.x *= x;
        p.y *= y;
        p.z *= z;
    }
    fill();
    changed = true;
}

// Read again from disk: coordinates moved or scaled but not saved play no
// part. A file the reader refuses has had its message shown by the model;
// the estimate of what the model then holds follows.
void woxERTTemplateWidget::onEstimate()
{
    woxTemplateDataModel model;
    model.loadVarnexTemplate(fileName);
    const int runs = model.measurementCount();
    int minimum = 0;
    int maximum = 0;
    woxOptionsWidget::measurementDuration(&minimum, &maximum);
    woxWarningDialog::showOk(woxDurationEstimate::message(
        tr("Measurements:"), model.varnexQuadripoles.size(), tr("runs:"), runs, tr("duration:"),
        minimum, maximum));
}

QString woxERTTemplateWidget::offeredName() const
{
    QString name = fileName;
    name.remove(varnexDir);
    name.remove(varnexSuffix);
    return name;
}

// The screen names its file only once the template is safely in it: after a
// refused overwrite or a failed write, Save offers and Estimate reads the
// file that still holds what the screen was opened or last saved as.
bool woxERTTemplateWidget::onSave()
{
    woxKeyboardDialog keyboard(offeredName(), nullptr);
    if (keyboard.exec() != QDialog::Accepted)
        return false;
    const QString path = varnexDir + keyboard.fileName() + varnexSuffix;
    if (QFile::exists(path)
        && woxWarningDialog::askYesNo(tr("File exists, do you want to overwrite it?")) != 1)
        return false;
    if (!writeTo(path))
        return false;
    fileName = path;
    changed = false;
    return true;
}

// The message dialog is the operator's whole report of a failed save:
// nothing goes to standard error.
bool woxERTTemplateWidget::writeTo(const QString &path)
{
    const woxFileSaver::Result result = woxFileSaver::saveBytes(
        path, woxERTFormat::text(electrodes, quadripoles).toLocal8Bit(), nullptr,
        woxFileSaver::Quiet);
    if (result == woxFileSaver::OpenFailed) {
        woxWarningDialog::showOk(tr("Can not open file for writing"));
    } else if (result == woxFileSaver::WriteFailed) {
        woxWarningDialog::showOk(tr("Can not write data to file"));
    }
    return result == woxFileSaver::Saved;
}

void woxERTTemplateWidget::closeEvent(QCloseEvent *event)
{
    if (closeAnnounced) {
        event->accept();
        return;
    }
    if (changed) {
        const int answer = woxWarningDialog::askYesNoCancel(tr("Do you want to save this template?"));
        if (answer == woxWarningDialog::CancelResult || (answer == 1 && !onSave())) {
            event->ignore();
            return;
        }
    }
    closeAnnounced = true;
    event->accept();
    emit sendTemplateClose();
}
