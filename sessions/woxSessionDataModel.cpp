#include "woxSessionDataModel.h"

#include "woxConstants.h"
#include "woxCore.h"
#include "woxDiagnostic.h"
#include "woxFileSaver.h"
#include "woxGPSManager.h"
#include "woxKeyboardDialog.h"
#include "woxOptionsWidget.h"
#include "woxTranslator.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

#include <QBrush>
#include <QColor>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const int columns = 14;
const int firstValueColumn = 6;
const int gpsPollMs = 5000;
// The slider's unreachable ceiling while its value is set, so the value is
// never clamped by the previous range.
const int sliderCeiling = 100000000;
// Set masks have eight bits.
const int maxSets = 8;

// Tenths of a metre as a slider position. Computed in single precision like
// the positions themselves, so 0.7 m gives 7, not 6. A length from a file may
// be anything: no number counts as 0, and the slider never leaves 0 .. int max.
int tenths(float metres)
{
    const double value = double(std::trunc(10.0f * metres));
    if (!(value > 0.0))
        return 0;
    if (value >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return int(value);
}

QString oneDecimal(float value)
{
    return QString::number(double(value), 'f', 1);
}

QString electrode(woxElectrode number, woxElectrode remote, const char *prefix)
{
    if (number == remote)
        return QString::fromLatin1(prefix) + QChar(0x221E);
    return QString::number(number + 1);
}

bool byFirstCoordinate(const QPointF &a, const QPointF &b)
{
    return a.x() < b.x();
}

} // namespace

woxSessionDataModel::woxSessionDataModel(QObject *parent)
    : QAbstractTableModel(parent), gpsTimer(this)
{
    gpsTimer.setSingleShot(true);
    gpsTimer.setInterval(gpsPollMs);
    connect(&gpsTimer, &QTimer::timeout, this, &woxSessionDataModel::onGPS);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate, this,
            &woxSessionDataModel::onTranslate);
    onTranslate();
}

woxSessionDataModel::~woxSessionDataModel() = default;

int woxSessionDataModel::rowCount(const QModelIndex &) const
{
    return session.units.size();
}

int woxSessionDataModel::columnCount(const QModelIndex &) const
{
    return columns;
}

QVariant woxSessionDataModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= session.units.size() || index.column() >= columns)
        return QVariant();
    const woxSessionDataUnit &unit = session.units.at(index.row());
    switch (role) {
    case Qt::TextAlignmentRole:
        return int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return background(unit, index.column());
    case Qt::DisplayRole:
        if (index.column() >= firstValueColumn && !unit.result.valid)
            return QVariant();
        return cellText(unit, index.row(), index.column());
    default:
        return QVariant();
    }
}

QString woxSessionDataModel::cellText(const woxSessionDataUnit &unit, int row, int column) const
{
    const woxCoreQuadripole &q = unit.quadripole;
    const woxMeasureResult &r = unit.result;
    switch (column) {
    case 0: return QString::number(row + 1);
    case 1: return electrode(q.a, woxRemoteCurrentElectrode, "Tx");
    case 2: return QString::number(q.b + 1);
    case 3: return electrode(q.m, woxRemotePotentialElectrode, "Rx");
    case 4: return QString::number(q.n + 1);
    case 5: return QString::number(q.channel + 1);
    case 6: return oneDecimal(std::fabs(r.txCurrent));
    case 7: return oneDecimal(std::fabs(r.txVoltage) / 1000.0f);
    case 8: return QString::number(std::fabs(double(r.txVoltage) * r.txCurrent) / 1e6, 'f', 1);
    case 9: return oneDecimal(std::fabs(r.rxVoltage));
    case 10: return oneDecimal(std::fabs(r.rxS));
    case 11: return oneDecimal(std::fabs(r.chargeability));
    case 12: return oneDecimal(std::fabs(unit.resistivity));
    default:
        // Above 200 % the instrument had no usable stack.
        return r.quality > 200.0f ? tr("N / A") : QString::number(double(r.quality), 'f', 3);
    }
}

// Current side warm, potential side green, the channel yellow, the results
// blue; the row number shows the run.
QVariant woxSessionDataModel::background(const woxSessionDataUnit &unit, int column) const
{
    switch (column) {
    case 0:
        return QBrush(unit.marked ? QColor(255, 127, 0) : QColor(170, 170, 255));
    case 1: case 2: case 6: case 7: case 8:
        return QBrush(QColor(255, 127, 63, 63));
    case 3: case 4: case 9: case 10: case 11:
        return QBrush(QColor(127, 255, 127, 63));
    case 5:
        return QBrush(QColor(255, 255, 127, 95));
    default:
        return QBrush(QColor(127, 127, 255, 63));
    }
}

QVariant woxSessionDataModel::headerData(int section, Qt::Orientation orientation,
                                         int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || section >= headers.size())
        return QVariant();
    return headers.at(section);
}

QString woxSessionDataModel::resistivityHeader() const
{
    if (plotsDisabled)
        return QStringLiteral("R [%1]").arg(tr("Ohm"));
    return QStringLiteral("%1 [%2%3%4]")
        .arg(QString(QChar(0x03C1)), tr("Ohm"), QString(QChar(0x22C5)), tr("m"));
}

void woxSessionDataModel::onTranslate()
{
    const QString unit = QStringLiteral("%1 [%2]");
    headers = QStringList{QStringLiteral("#"), QStringLiteral("A"), QStringLiteral("B"),
                          QStringLiteral("M"), QStringLiteral("N"), tr("Rx"),
                          unit.arg(QStringLiteral("Tx.I"), tr("mA")),
                          unit.arg(QStringLiteral("Tx.U"), tr("V")),
                          unit.arg(QStringLiteral("Tx.P"), tr("W")),
                          unit.arg(QStringLiteral("Rx.U"), tr("mV")),
                          unit.arg(QStringLiteral("Rx.S"), tr("mV")),
                          unit.arg(QStringLiteral("M"), tr("mV/V")), resistivityHeader(),
                          QStringLiteral("Q [%]")};
    emit headerDataChanged(Qt::Horizontal, 0, columns - 1);
    updateMsrCenterDepthLabels();
    if (msrCenterDepthDimensionLabel)
        msrCenterDepthDimensionLabel->setText(tr("m"));
    emit sendSetInfoUpdate(setInfoToStringList(session.sets));
}

void woxSessionDataModel::setResistanceOnly()
{
    plotsDisabled = true;
    onTranslate();
}

bool woxSessionDataModel::load(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        woxDiagnostic::fileError(file.errorString());
        woxWarningDialog::showOk(tr("Can not open file for reading"));
        return false;
    }
    woxSessionFile read;
    const bool sound = read.read(file);
    // A device that failed is no damaged session: say so.
    if (file.error() != QFileDevice::NoError) {
        woxDiagnostic::fileError(file.errorString());
        woxWarningDialog::showOk(tr("Can not read data from file"));
        return false;
    }
    if (!sound) {
        woxWarningDialog::showOk(tr("Session is corrupted"));
        return false;
    }
    session = read;
    emit dataChanged(QModelIndex(), QModelIndex());
    emit sendSetInfoUpdate(setInfoToStringList(session.sets));
    return true;
}

bool woxSessionDataModel::save(const QString &name, bool toLastSession)
{
    const QString path = toLastSession ? systemDir + lastSessionFileName : askedPath(name);
    if (path.isEmpty())
        return false;
    return writeFile(path, toLastSession);
}

// The named copy's path, or empty when the operator cancelled the keyboard,
// typed a name with a folder or declined to overwrite.
QString woxSessionDataModel::askedPath(const QString &name) const
{
    // A session reopened from the working copy has no name of its own.
    woxKeyboardDialog keyboard(name == lastSessionFileName ? QString() : name, nullptr);
    if (keyboard.exec() != QDialog::Accepted)
        return QString();
    // A name is a file in the sessions folder, never a way out of it.
    if (keyboard.fileName().contains(QLatin1Char('/'))) {
        woxDiagnostic::fileError(QStringLiteral("File name holds a directory"));
        woxWarningDialog::showOk(tr("Can not open file for writing"));
        return QString();
    }
    const QString path = sessionsDir + keyboard.fileName() + QLatin1Char('.') + sessionExtension;
    if (QFile::exists(path)
        && woxWarningDialog::askYesNo(tr("File exists, do you want to overwrite it?")) != 1)
        return QString();
    return path;
}

// Through a save file: a save cut short leaves the previous copy whole. The
// working copy is written while measuring, so its failures never open a
// dialog; they go to the status line.
bool woxSessionDataModel::writeFile(const QString &path, bool toLastSession) const
{
    QString openError;
    const woxFileSaver::Result result = woxFileSaver::save(
        path, [this](QDataStream &stream) { session.write(stream); }, &openError);
    if (result == woxFileSaver::Saved)
        return true;
    if (result == woxFileSaver::OpenFailed)
        woxDiagnostic::fileError(openError);
    if (toLastSession)
        woxUserMessage::instance()->message(tr("Can not write data to file"));
    else if (result == woxFileSaver::OpenFailed)
        woxWarningDialog::showOk(tr("Can not open file for writing"));
    else
        woxWarningDialog::showOk(tr("Can not write data to file"));
    return false;
}

bool woxSessionDataModel::measureSet(int row)
{
    if (row < 0 || row >= session.units.size())
        return false;
    runBegin = row;
    woxET2DRequest request;
    request.options = woxOptionsWidget::measurementSettings();
    // The run ends with the first row not chained to the next, and at the
    // table's end whatever a damaged file says.
    for (int i = row; i < session.units.size(); ++i) {
        request.quadripoles.append(session.units.at(i).quadripole);
        if (!session.units.at(i).chained)
            break;
    }
    woxCore::instance()->measureET2D(request);
    updatePlots();
    return true;
}

void woxSessionDataModel::setResult(const woxCoreReportET2D &report)
{
    if (report.error.code != 0)
        return;
    const int filled = qBound(0, session.units.size() - runBegin, report.results.size());
    for (int i = 0; i < filled; ++i) {
        woxSessionDataUnit &unit = session.units[runBegin + i];
        unit.result = report.results.at(i);
        // A row that came back is measured, whatever its stack's verdict.
        unit.result.valid = true;
        unit.computeResistivity();
    }
    if (filled > 0)
        emit dataChanged(index(runBegin, firstValueColumn),
                         index(runBegin + filled - 1, columns - 1));
    emit sendMoveForward(runBegin, filled);
}

void woxSessionDataModel::onRowDelete(int row)
{
    if (row < 0 || row >= session.units.size())
        return;
    // The values stay: only the row's place among the measured ones goes.
    session.units[row].result.valid = false;
    emit dataChanged(index(row, firstValueColumn), index(row, columns - 1));
    updatePlots();
}

void woxSessionDataModel::onCurrentSetChange(int setNumber)
{
    currentSet = quint8(qBound(0, setNumber, qMax(0, session.sets.size() - 1)));
    updateMsrCenterDepthLabels();
    updatePlots();
}

void woxSessionDataModel::setMode(quint8 newMode)
{
    if (newMode == mode)
        return;
    mode = newMode;
    updatePlots();
}

void woxSessionDataModel::setPlotKind(quint8 kind)
{
    if (kind == plotKind)
        return;
    plotKind = kind;
    updateMsrCenterDepthLabels();
    updatePlots();
}

quint8 woxSessionDataModel::currentMode() const
{
    return mode;
}

quint8 woxSessionDataModel::currentPlotKind() const
{
    return plotKind;
}

void woxSessionDataModel::onGPS()
{
    if (session.gpsFix.valid && session.gpsFix.highQuality)
        return;
    session.gpsFix = woxGPSManager::instance()->fix();
    gpsTimer.start();
}

bool woxSessionDataModel::checkIpOptions()
{
    const auto measured = std::find_if(session.units.constBegin(), session.units.constEnd(),
                                       [](const woxSessionDataUnit &u) { return u.result.valid; });
    if (measured == session.units.constEnd())
        return true;
    woxOptionsWidget::setPauseDisabled(true);
    const woxMeasureOptions &stored = measured->result.options;
    auto same = [&stored](const woxMeasureOptions &current) {
        return current.ipEnabled == stored.ipEnabled && current.pauseCode == stored.pauseCode;
    };
    if (same(woxOptionsWidget::measurementSettings()))
        return true;
    if (woxWarningDialog::askYesNo(tr("IP options were changed since last session. Change back?"))
        != 1)
        return false;
    // Measuring on with other settings would mix two kinds of data in one
    // session.
    if (!woxOptionsWidget::selectPause(stored) || !same(woxOptionsWidget::measurementSettings())) {
        woxWarningDialog::showOk(tr("IP options of this session can not be restored"));
        return false;
    }
    return true;
}

bool woxSessionDataModel::plotted(const woxSessionDataUnit &unit) const
{
    return unit.result.valid && currentSet < maxSets && (quint8(unit.sets) >> currentSet) & 1u;
}

float woxSessionDataModel::plotValue(const woxSessionDataUnit &unit) const
{
    return std::fabs(mode == 1 ? unit.result.chargeability : unit.resistivity);
}

// The rows at the slider, by ascending first coordinate: for sounding curves
// those whose centre lies within half a spacing, for profile curves those
// whose depth lies within a quarter. A spacing from a file may be negative.
QVector<QPointF> woxSessionDataModel::sliderPoints() const
{
    QVector<QPointF> points;
    const double spacing = std::fabs(double(session.summary.cableSpacing));
    for (const woxSessionDataUnit &unit : session.units) {
        if (!plotted(unit))
            continue;
        if (plotKind == 1 && std::fabs(double(unit.x) - msrCenter + 0.01) < 0.5 * spacing)
            points.append(QPointF(unit.y, plotValue(unit)));
        else if (plotKind == 2 && std::fabs(double(unit.y) - msrDepth + 0.01) < 0.25 * spacing)
            points.append(QPointF(unit.x, plotValue(unit)));
    }
    std::stable_sort(points.begin(), points.end(), byFirstCoordinate);
    return points;
}

void woxSessionDataModel::updatePlots()
{
    if (plotsDisabled)
        return;
    if (plotKind > 2)
        return;
    QVector<quint32> plotRows;
    QVector<QPointF> xy;
    QVector<float> f;
    for (int i = 0; i < session.units.size(); ++i) {
        const woxSessionDataUnit &unit = session.units.at(i);
        if (!plotted(unit))
            continue;
        plotRows.append(quint32(i));
        if (plotKind == 0) {
            xy.append(QPointF(unit.x, unit.y));
            f.append(plotValue(unit));
        } else {
            xy.append(QPointF(plotKind == 1 ? unit.y : unit.x, plotValue(unit)));
        }
    }
    if (plotKind == 0) {
        emit sendPlotUpdate(xy, f, plotRows);
        return;
    }
    emit sendPlotUpdate(xy, plotRows);
    emit sendPlotUpdate(sliderPoints());
}

float woxSessionDataModel::sliderPosition() const
{
    return plotKind == 1 ? msrCenter : msrDepth;
}

void woxSessionDataModel::onMsrCenterDepth(int c)
{
    if (plotKind == 1)
        msrCenter = float(c / 10.0);
    else if (plotKind == 2)
        msrDepth = float(c / 10.0);
    else
        return;
    emit sendPlotUpdate(sliderPoints());
    if (msrCenterDepthValueLabel)
        msrCenterDepthValueLabel->setText(
            QStringLiteral("<font color=blue>%1</font>").arg(double(sliderPosition()), 0, 'f', 1));
}

// A set list longer than the depths of a damaged file: a missing depth is 0.
float woxSessionDataModel::setDepth() const
{
    const QVector<float> &depths = session.summary.setDepths;
    return currentSet < depths.size() ? depths.at(currentSet) : 0.0f;
}

void woxSessionDataModel::updateMsrCenterDepthLabels()
{
    if (msrCenterDepthSlider) {
        msrCenterDepthSlider->setMinimum(0);
        if (plotKind == 1 || plotKind == 2) {
            msrCenterDepthSlider->setMaximum(sliderCeiling);
            msrCenterDepthSlider->setValue(tenths(sliderPosition()));
            // Clamps the value, which then reaches onMsrCenterDepth.
            msrCenterDepthSlider->setMaximum(
                tenths(plotKind == 1 ? session.summary.profileLength : setDepth()));
        }
    }
    if (msrCenterDepthHeaderLabel && plotKind == 1)
        msrCenterDepthHeaderLabel->setText(tr("Measurement center:"));
    else if (msrCenterDepthHeaderLabel && plotKind == 2)
        msrCenterDepthHeaderLabel->setText(tr("Pseudo depth:"));
}

void woxSessionDataModel::setMsrCenterDepthHeaderLabel(QLabel *label)
{
    msrCenterDepthHeaderLabel = label;
}

void woxSessionDataModel::setMsrCenterDepthDimensionLabel(QLabel *label)
{
    msrCenterDepthDimensionLabel = label;
    label->setText(tr("m"));
}

void woxSessionDataModel::setMsrCenterDepthValueLabel(QLabel *label)
{
    msrCenterDepthValueLabel = label;
    if (plotKind == 1 || plotKind == 2)
        onMsrCenterDepth(tenths(sliderPosition()));
    else
        label->setText(QStringLiteral("<font color=blue>0.0</font>"));
}

void woxSessionDataModel::setMsrCenterDepthWidget(QSlider *slider)
{
    msrCenterDepthSlider = slider;
    connect(slider, &QSlider::valueChanged, this, &woxSessionDataModel::onMsrCenterDepth);
}

int woxSessionDataModel::unitCount() const
{
    return session.units.size();
}

woxQuadripole woxSessionDataModel::quadripoleAt(int row) const
{
    woxQuadripole quadripole;
    if (const woxSessionDataUnit *unit = unitAt(row)) {
        quadripole.a = unit->quadripole.a;
        quadripole.b = unit->quadripole.b;
        quadripole.m = unit->quadripole.m;
        quadripole.n = unit->quadripole.n;
    }
    return quadripole;
}

const woxSessionDataUnit *woxSessionDataModel::unitAt(int row) const
{
    if (session.units.isEmpty())
        return nullptr;
    return &session.units.at(qBound(0, row, session.units.size() - 1));
}

const woxFileSummary &woxSessionDataModel::summary() const
{
    return session.summary;
}
