#ifndef WOXTEMPLATEDATAMODEL_H
#define WOXTEMPLATEDATAMODEL_H

#include "woxElectrodePosition.h"
#include "woxFileSummary.h"
#include "woxQuadripole.h"
#include "woxTemplateContent.h"
#include "woxTemplateFile.h"
#include "woxTemplateSet.h"
#include "woxTypes.h"

#include <QAbstractTableModel>
#include <QList>
#include <QMap>
#include <QModelIndexList>
#include <QPixmap>

class QComboBox;
class QLabel;

// One measurement template while it is edited: its arrangement, up to 8 sets
// and which one is current, and the summary of its file. As a table model it
// is the 30 spacings x 99 levels grid of the current set; it feeds the
// template plot through its plot signals and fills the template screen's set
// combo box and arrangement labels when it has been given them.
class woxTemplateDataModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int maxSets = woxTemplateFile::maxSets;

    explicit woxTemplateDataModel(QObject *parent = nullptr);
    ~woxTemplateDataModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Not owned; any may be null.
    void setInfoLabels(QLabel *cablesLabel, QLabel *electrodesLabel, QLabel *spacingLabel,
                       QLabel *lengthLabel);
    void setSetCombo(QComboBox *combo);

    woxCable cables() const;
    woxCableSpacing cableSpacing() const;
    int numberOfSets() const;
    QList<woxTemplateSet> sets() const;
    // The index is clamped to the sets; 255 (no type) when there is none.
    woxArrayType arrayTypeOfSet(quint8 index) const;
    // The modified flag.
    bool flagByte() const;
    int totalQuadripoles() const;
    QMap<quint8, quint8> countSetsPerArrayType() const;
    // Runs the generator forms from the whole template.
    int measurementCount() const;
    // What the sequence generator reads: arrangement, sets, Varnex members.
    woxTemplateContent content() const;

    // Each shows its own message when it finds a fault.
    bool checkTemplate();
    bool checkMeasurementLimit();

    void setArrangement(woxCable cables, woxCableSpacing spacing);
    bool loadVarnexTemplate(const QString &fileName);
    // Template files; `noViewUpdate` skips the views for a model built only
    // to create a session.
    bool load(const QString &fileName, bool noViewUpdate);
    // `name` is the keyboard's initial text and receives the typed name.
    bool save(QString &name);

    void refresh(const QModelIndexList &selection = QModelIndexList());
    void updateSetCombo();
    void updateInfoLabels();

    // A loaded Varnex text template; empty for a template of sets. The
    // sequence generator reads them directly.
    QList<woxQuadripole> varnexQuadripoles;
    QMap<woxElectrode, woxElectrodePosition> varnexElectrodes;

signals:
    void sendArrangementUpdate(woxCable c, woxCableSpacing cSpacing);
    void sendPlotUpdate(woxSpacing plotNumber, QList<woxQuadripole> qList, bool doReplot);
    void sendPlotClear(bool doReplot);

public slots:
    void onTranslate();
    void onCurrentSetChange(int setNumber);
    bool onSetAdd();
    bool onSetClone();
    bool onSetRemove();
    bool onSetClear();
    bool onSetModify();
    void onSpacingLevelMainConfig(QModelIndexList modelIndexList);
    void onSpacingLevelAuxConfig(woxSpacing spacing, woxLevel level, bool value);

private:
    bool cellIsInGrid(int row, int column) const;
    void setsChanged(const QModelIndexList &selection = QModelIndexList());
    void fillSummary();
    bool writeFile(const QString &path);

    QList<woxTemplateSet> templateSets;
    int currentSet = 0;
    QComboBox *setCombo = nullptr;
    QLabel *cablesLabel = nullptr;
    QLabel *electrodesLabel = nullptr;
    QLabel *spacingLabel = nullptr;
    QLabel *lengthLabel = nullptr;
    woxCableSpacing lineSpacing = 5.0f;
    woxCable lineCables = 2;
    bool modified = false;
    quint8 numberOfPointPixmaps = 4;
    QList<QPixmap> pointPixmaps;
    woxFileSummary summary;
};

#endif
