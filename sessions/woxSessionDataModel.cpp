#include "woxSessionDataModel.h"

#include "woxConstants.h"
#include "woxDiagnostic.h"
#include "woxFileSaver.h"
#include "woxKeyboardDialog.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

#include <QFile>

woxSessionDataModel::woxSessionDataModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

woxSessionDataModel::~woxSessionDataModel() = default;

int woxSessionDataModel::rowCount(const QModelIndex &) const
{
    return rowTotal;
}

int woxSessionDataModel::columnCount(const QModelIndex &) const
{
    return columnTotal;
}

QVariant woxSessionDataModel::data(const QModelIndex &, int) const
{
    return QVariant();
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
    fileSummary = read.summary;
    setInfos = read.sets;
    cableConfiguration = read.cableConfiguration;
    electrodePositions = read.electrodePositions;
    units = read.units;
    gpsFix = read.gpsFix;
    rowTotal = units.size();
    emit dataChanged(QModelIndex(), QModelIndex());
    emit sendSetInfoUpdate(setInfoToStringList(setInfos));
    return true;
}

bool woxSessionDataModel::save(const QString &name, bool toLastSession)
{
    const QString path = toLastSession ? systemDir + lastSessionFileName : askedPath(name);
    if (path.isEmpty())
        return false;
    return writeFile(path, toLastSession);
}

// The named copy's path, or empty when the operator cancelled the keyboard
// or declined to overwrite.
QString woxSessionDataModel::askedPath(const QString &name) const
{
    // A session reopened from the working copy has no name of its own.
    woxKeyboardDialog keyboard(name == lastSessionFileName ? QString() : name, nullptr);
    if (keyboard.exec() != QDialog::Accepted)
        return QString();
    const QString path = sessionsDir + keyboard.fileName() + QLatin1Char('.') + sessionExtension;
    if (QFile::exists(path)
        && woxWarningDialog::askYesNo(tr("File exists, do you want to overwrite it?")) != 1)
        return QString();
    return path;
}

woxSessionFile woxSessionDataModel::content() const
{
    woxSessionFile file;
    file.summary = fileSummary;
    file.sets = setInfos;
    file.cableConfiguration = cableConfiguration;
    file.electrodePositions = electrodePositions;
    file.units = units;
    file.gpsFix = gpsFix;
    return file;
}

// Through a save file: a save cut short leaves the previous copy whole. The
// working copy is written while measuring, so its failures never open a
// dialog; they go to the status line.
bool woxSessionDataModel::writeFile(const QString &path, bool toLastSession) const
{
    const woxSessionFile session = content();
    QString openError;
    const woxFileSaver::Result result = woxFileSaver::save(
        path, [&session](QDataStream &stream) { session.write(stream); }, &openError);
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

int woxSessionDataModel::unitCount() const
{
    return rowTotal;
}

const woxSessionDataUnit *woxSessionDataModel::unitAt(int row) const
{
    if (units.isEmpty())
        return nullptr;
    return &units.at(qBound(0, row, units.size() - 1));
}

const woxFileSummary &woxSessionDataModel::summary() const
{
    return fileSummary;
}
