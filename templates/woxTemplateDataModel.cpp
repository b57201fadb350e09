#include "woxTemplateDataModel.h"

#include "woxAddModifyArrayDialog.h"
#include "woxConstants.h"
#include "woxDiagnostic.h"
#include "woxERTLoader.h"
#include "woxFileSaver.h"
#include "woxKeyboardDialog.h"
#include "woxNames.h"
#include "woxQuadripoleGenerator.h"
#include "woxTemplateFile.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"

#include <QColor>
#include <QComboBox>
#include <QDataStream>
#include <QFile>
#include <QIcon>
#include <QLabel>

#include <algorithm>

namespace {

const int gridRows = woxTemplateSet::spacingRows;
const int gridColumns = woxTemplateSet::levelColumns;
// The most measurements one set may hold per cable: 99 levels on each of
// the cable's 32 electrodes.
const uint measurementsPerCable = 3168;

bool askedYes(const QString &question)
{
    return woxWarningDialog::askYesNo(question) == 1;
}

} // namespace

woxTemplateDataModel::woxTemplateDataModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    qRegisterMetaType<woxSpacing>("woxSpacing");
    qRegisterMetaType<woxLevel>("woxLevel");
    qRegisterMetaType<woxCable>("woxCable");
    qRegisterMetaType<woxCableSpacing>("woxCableSpacing");
    qRegisterMetaType<QList<woxQuadripole>>("QList<woxQuadripole>");
    pointPixmaps << QPixmap(QStringLiteral(":/points/points/red.png"))
                 << QPixmap(QStringLiteral(":/points/points/green.png"))
                 << QPixmap(QStringLiteral(":/points/points/purple.png"))
                 << QPixmap(QStringLiteral(":/points/points/blue.png"));
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate,
            this, &woxTemplateDataModel::onTranslate);
    updateInfoLabels();
    updateSetCombo();
}

woxTemplateDataModel::~woxTemplateDataModel() = default;

int woxTemplateDataModel::rowCount(const QModelIndex &) const
{
    return gridRows;
}

int woxTemplateDataModel::columnCount(const QModelIndex &) const
{
    return gridColumns;
}

bool woxTemplateDataModel::cellIsInGrid(int row, int column) const
{
    return row >= 0 && row < gridRows && column >= 0 && column < gridColumns;
}

QVariant woxTemplateDataModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.model() != this || templateSets.isEmpty()
        || !cellIsInGrid(index.row(), index.column()))
        return QVariant();
    const woxTemplateSet &set = templateSets.at(currentSet);
    if (role == Qt::DecorationRole && set.mainGrid().at(index.row()).at(index.column()))
        return pointPixmaps.at(index.row() % numberOfPointPixmaps);
    if (role == Qt::BackgroundRole && set.auxGrid().at(index.row()).at(index.column()))
        return QColor(Qt::gray);
    return QVariant();
}

QVariant woxTemplateDataModel::headerData(int section, Qt::Orientation, int role) const
{
    if (role == Qt::DisplayRole)
        return section + 1;
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return QVariant();
}

void woxTemplateDataModel::setInfoLabels(QLabel *cables, QLabel *electrodes,
                                         QLabel *spacing, QLabel *length)
{
    cablesLabel = cables;
    electrodesLabel = electrodes;
    spacingLabel = spacing;
    lengthLabel = length;
    updateInfoLabels();
}

void woxTemplateDataModel::setSetCombo(QComboBox *combo)
{
    setCombo = combo;
    updateSetCombo();
}

woxCable woxTemplateDataModel::cables() const
{
    return lineCables;
}

woxCableSpacing woxTemplateDataModel::cableSpacing() const
{
    return lineSpacing;
}

int woxTemplateDataModel::numberOfSets() const
{
    return templateSets.size();
}

QList<woxTemplateSet> woxTemplateDataModel::sets() const
{
    return templateSets;
}

woxArrayType woxTemplateDataModel::arrayTypeOfSet(quint8 index) const
{
    return content().arrayTypeOfSet(index);
}

bool woxTemplateDataModel::flagByte() const
{
    return modified;
}

int woxTemplateDataModel::totalQuadripoles() const
{
    int total = 0;
    for (const woxTemplateSet &set : templateSets)
        total += set.measurementCount();
    return total;
}

QMap<quint8, quint8> woxTemplateDataModel::countSetsPerArrayType() const
{
    return content().countSetsPerArrayType();
}

int woxTemplateDataModel::measurementCount() const
{
    return woxQuadripoleGenerator::instance()->generateSequence(content(), nullptr, QString(), 0);
}

woxTemplateContent woxTemplateDataModel::content() const
{
    woxTemplateContent content;
    content.cables = lineCables;
    content.cableSpacing = lineSpacing;
    content.sets = templateSets;
    content.varnexQuadripoles = varnexQuadripoles;
    content.varnexElectrodes = varnexElectrodes;
    return content;
}

bool woxTemplateDataModel::checkMeasurementLimit()
{
    const uint limit = uint(lineCables) * measurementsPerCable;
    for (const woxTemplateSet &set : templateSets) {
        if (uint(set.measurementCount()) > limit) {
            woxWarningDialog::showOk(tr("Template contains too many measurements"));
            return true;
        }
    }
    return false;
}

bool woxTemplateDataModel::checkTemplate()
{
    if (templateSets.isEmpty()) {
        woxWarningDialog::showOk(tr("Template is empty"));
        return false;
    }
    for (const woxTemplateSet &set : templateSets) {
        if (set.isEmpty()) {
            woxWarningDialog::showOk(tr("Template contains an empty set"));
            return false;
        }
    }
    return !checkMeasurementLimit();
}

void woxTemplateDataModel::refresh(const QModelIndexList &selection)
{
    // The changed cells' bounding rectangle, or the whole grid.
    int top = gridRows, left = gridColumns, bottom = -1, right = -1;
    for (const QModelIndex &cell : selection) {
        if (cell.model() != this || !cellIsInGrid(cell.row(), cell.column()))
            continue;
        top = std::min(top, cell.row());
        left = std::min(left, cell.column());
        bottom = std::max(bottom, cell.row());
        right = std::max(right, cell.column());
    }
    if (bottom < 0)
        emit dataChanged(index(0, 0), index(gridRows - 1, gridColumns - 1));
    else
        emit dataChanged(index(top, left), index(bottom, right));
    if (templateSets.isEmpty()) {
        emit sendPlotClear(true);
        return;
    }
    QMap<woxSpacing, QList<woxQuadripole>> curves;
    const auto cells = templateSets.at(currentSet).quadripoleMap();
    for (auto cell = cells.constBegin(); cell != cells.constEnd(); ++cell)
        curves[cell.key().spacing] += cell.value();
    emit sendPlotClear(curves.isEmpty());
    for (auto curve = curves.constBegin(); curve != curves.constEnd(); ++curve)
        emit sendPlotUpdate(curve.key(), curve.value(), curve + 1 == curves.constEnd());
}

void woxTemplateDataModel::updateSetCombo()
{
    if (!setCombo)
        return;
    const auto signal = QOverload<int>::of(&QComboBox::currentIndexChanged);
    disconnect(setCombo, signal, this, &woxTemplateDataModel::onCurrentSetChange);
    setCombo->clear();
    const int count = templateSets.size();
    for (int i = 0; i < count; ++i) {
        const woxTemplateSet &set = templateSets.at(i);
        setCombo->addItem(QIcon(), QStringLiteral("%1/%2 %3 [%4]")
                                       .arg(i + 1)
                                       .arg(count)
                                       .arg(arrayTypeName(set.arrayType()))
                                       .arg(set.measurementCount()));
    }
    setCombo->setCurrentIndex(count > 0 ? currentSet : -1);
    connect(setCombo, signal, this, &woxTemplateDataModel::onCurrentSetChange);
}

void woxTemplateDataModel::updateInfoLabels()
{
    const QString number = QStringLiteral("<font color=blue>%1</font>");
    const QString metres = QStringLiteral("<font color=blue>%1</font> %2");
    const float length = float(lineCables * woxElectrodesPerCable - 1) * lineSpacing;
    if (cablesLabel)
        cablesLabel->setText(number.arg(lineCables));
    if (electrodesLabel)
        electrodesLabel->setText(number.arg(lineCables * woxElectrodesPerCable));
    if (spacingLabel)
        spacingLabel->setText(metres.arg(double(lineSpacing), 0, 'f', 1).arg(tr("m")));
    if (lengthLabel)
        lengthLabel->setText(metres.arg(double(length), 0, 'f', 1).arg(tr("m")));
}

void woxTemplateDataModel::onTranslate()
{
    updateInfoLabels();
    updateSetCombo();
}

void woxTemplateDataModel::onCurrentSetChange(int setNumber)
{
    currentSet = templateSets.isEmpty() ? 0 : qBound(0, setNumber, templateSets.size() - 1);
    refresh();
    updateSetCombo();
}

void woxTemplateDataModel::setsChanged(const QModelIndexList &selection)
{
    refresh(selection);
    updateSetCombo();
    modified = true;
}

bool woxTemplateDataModel::onSetAdd()
{
    if (templateSets.size() >= maxSets) {
        woxWarningDialog::showOk(tr("Can not add one more set"));
        return false;
    }
    woxAddModifyArrayDialog dialog;
    if (dialog.exec() != QDialog::Accepted)
        return false;
    woxTemplateSet set(lineCables, lineSpacing);
    set.setArrayType(woxArrayType(dialog.arrayType()));
    templateSets.append(set);
    currentSet = templateSets.size() - 1;
    setsChanged();
    return true;
}

bool woxTemplateDataModel::onSetClone()
{
    if (templateSets.isEmpty())
        return false;
    if (templateSets.size() >= maxSets) {
        woxWarningDialog::showOk(tr("Can not add one more set"));
        return false;
    }
    templateSets.append(templateSets.at(currentSet));
    currentSet = templateSets.size() - 1;
    setsChanged();
    woxWarningDialog::showOk(tr("Set was cloned successfully"));
    return true;
}

bool woxTemplateDataModel::onSetRemove()
{
    if (templateSets.isEmpty() || !askedYes(tr("Are you sure you want to remove current set?")))
        return false;
    templateSets.removeAt(currentSet);
    currentSet = std::max(0, std::min(currentSet, templateSets.size() - 1));
    setsChanged();
    return true;
}

bool woxTemplateDataModel::onSetClear()
{
    if (templateSets.isEmpty() || !askedYes(tr("Are you sure you want to clear surrent set?")))
        return false;
    templateSets[currentSet].clear();
    setsChanged();
    return true;
}

bool woxTemplateDataModel::onSetModify()
{
    if (templateSets.isEmpty())
        return false;
    const woxArrayType type = templateSets.at(currentSet).arrayType();
    woxAddModifyArrayDialog dialog;
    dialog.arrayComboBox->setCurrentIndex(type);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const woxArrayType chosen = woxArrayType(dialog.arrayType());
    if (chosen == type)
        return false;
    templateSets[currentSet].setArrayType(chosen);
    setsChanged();
    return true;
}

void woxTemplateDataModel::onSpacingLevelMainConfig(QModelIndexList modelIndexList)
{
    // Only cells of this grid count: a selection without any (indices of
    // another model or outside the grid) must not open the array dialog of
    // a first set nor mark the template modified.
    QModelIndexList cells;
    for (const QModelIndex &cell : modelIndexList) {
        if (cell.model() == this && cellIsInGrid(cell.row(), cell.column()))
            cells.append(cell);
    }
    if (cells.isEmpty())
        return;
    if (templateSets.isEmpty() && !onSetAdd())
        return;
    templateSets[currentSet].applyMainSelection(cells);
    setsChanged(cells);
}

void woxTemplateDataModel::onSpacingLevelAuxConfig(woxSpacing spacing, woxLevel level,
                                                   bool value)
{
    if (templateSets.isEmpty() || !cellIsInGrid(spacing, level))
        return;
    templateSets[currentSet].setAuxCell(spacing, level, value);
    refresh();
    modified = true;
}

void woxTemplateDataModel::setArrangement(woxCable cables, woxCableSpacing spacing)
{
    if (cables == lineCables && spacing == lineSpacing)
        return;
    lineCables = cables;
    lineSpacing = spacing;
    for (woxTemplateSet &set : templateSets)
        set.setArrangement(cables, spacing);
    updateInfoLabels();
    setsChanged();
}

bool woxTemplateDataModel::loadVarnexTemplate(const QString &fileName)
{
    varnexQuadripoles.clear();
    varnexElectrodes.clear();
    // The reader leaves what it read before a fault in its containers; a
    // refused file must not leave half a Varnex template behind.
    QString error;
    QMap<woxElectrode, woxElectrodePosition> electrodes;
    QList<woxQuadripole> quadripoles;
    if (!woxERTLoader::load(fileName, &error, &electrodes, &quadripoles)) {
        woxWarningDialog::showOk(error);
        return false;
    }
    varnexElectrodes = electrodes;
    varnexQuadripoles = quadripoles;
    return true;
}

bool woxTemplateDataModel::load(const QString &fileName, bool noViewUpdate)
{
    if (fileName.isEmpty()) {
        emit sendArrangementUpdate(lineCables, lineSpacing);
        return true;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        woxDiagnostic::fileError(file.errorString());
        woxWarningDialog::showOk(tr("Can not open file for reading"));
        return false;
    }
    QDataStream stream(&file);
    stream.setVersion(QDataStream::Qt_4_8);
    woxTemplateFile content;
    const bool sound = content.read(stream);
    // Tested before close(), which forgets an earlier read error.
    if (file.error() != QFileDevice::NoError) {
        woxDiagnostic::fileError(file.errorString());
        woxWarningDialog::showOk(tr("Can not read data from file"));
        return false;
    }
    file.close();
    if (!sound) {
        woxWarningDialog::showOk(tr("Template is corrupted"));
        return false;
    }
    summary = content.summary;
    lineCables = content.cables;
    lineSpacing = content.cableSpacing;
    templateSets = content.sets;
    // The current set must stay inside the list, which may have shrunk.
    currentSet = templateSets.isEmpty() ? 0 : std::min(currentSet, templateSets.size() - 1);
    modified = false;
    if (!noViewUpdate) {
        refresh();
        updateSetCombo();
        updateInfoLabels();
    }
    return true;
}

void woxTemplateDataModel::fillSummary()
{
    summary.cableSpacing = lineSpacing;
    summary.cables = qint8(lineCables);
    summary.quadripoles = totalQuadripoles();
    summary.runs = measurementCount();
    summary.arrayCounts = countSetsPerArrayType();
}

bool woxTemplateDataModel::save(QString &name)
{
    if (!checkTemplate())
        return false;
    woxKeyboardDialog keyboard(name, nullptr);
    if (keyboard.exec() != QDialog::Accepted)
        return false;
    name = keyboard.fileName();
    const QString path = templatesDir + name + QLatin1Char('.') + templateExtension;
    if (QFile::exists(path) && !askedYes(tr("File exists, do you want to overwrite it?")))
        return false;
    if (!writeFile(path))
        return false;
    modified = false;
    return true;
}

// Written through a save file: the old template stays whole until the new
// one is complete on disk.
bool woxTemplateDataModel::writeFile(const QString &path)
{
    if (path.mid(templatesDir.size()).contains(QLatin1Char('/'))) {
        woxDiagnostic::fileError(QStringLiteral("File name holds a directory"));
        woxWarningDialog::showOk(tr("Can not open file for writing"));
        return false;
    }
    fillSummary();
    woxTemplateFile content;
    content.summary = summary;
    content.cables = lineCables;
    content.cableSpacing = lineSpacing;
    content.sets = templateSets;
    QString openError;
    const woxFileSaver::Result result = woxFileSaver::save(
        path, [&content](QDataStream &stream) { content.write(stream); }, &openError);
    if (result == woxFileSaver::OpenFailed) {
        woxDiagnostic::fileError(openError);
        woxWarningDialog::showOk(tr("Can not open file for writing"));
    } else if (result == woxFileSaver::WriteFailed) {
        woxWarningDialog::showOk(tr("Can not write data to file"));
    }
    return result == woxFileSaver::Saved;
}
