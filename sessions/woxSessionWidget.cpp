#include "woxSessionWidget.h"

#include "woxCableConfigDialog.h"
#include "woxCaptionStyle.h"
#include "woxConstants.h"
#include "woxCore.h"
#include "woxEmbeddedScreen.h"
#include "woxERTTableDialog.h"
#include "woxFileTableDataModel.h"
#include "woxFileTableDialog.h"
#include "woxOptionsWidget.h"
#include "woxSessionCloseFlag.h"
#include "woxSessionModeDialog.h"
#include "woxSessionProgress.h"
#include "woxSessionTableColumns.h"
#include "woxSignalWidget.h"
#include "woxStyleSheet.h"
#include "woxSystemWidget.h"
#include "woxTemplateDataModel.h"
#include "woxTranslator.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"
#include "woxWorkingCopy.h"

#include <QHeaderView>

int woxSessionWidget::autoSaveDelay = 30000;
int woxSessionWidget::startEnableDelay = 1500;

woxSessionWidget::woxSessionWidget(QWidget *parent, bool viewOnly)
    : QWidget(parent)
    , autoSaveTimer(this)
    , startEnableTimer(this)
    , viewOnly(viewOnly)
{
    // Named children, so the periods in force can be looked up on the screen.
    autoSaveTimer.setObjectName(QStringLiteral("autoSaveTimer"));
    startEnableTimer.setObjectName(QStringLiteral("startEnableTimer"));
    autoSaveTimer.setSingleShot(true);
    startEnableTimer.setSingleShot(true);
    setupUi(this);
    startPushButton->setVisible(!viewOnly);
    signalsPushButton->setVisible(!viewOnly);
    applyStyleSheets();
    for (QLabel *caption : {xCenterLabel, xDepthLabel, xResistivitylabel, xChargeabilityLabel,
                            yDepthLabel, yResistivitylabel, yChargeabilityLabel})
        woxCaptionStyle::apply(caption);

    sessionTableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sessionTableView->horizontalHeader()->setSectionsClickable(false);
    sessionTableView->verticalHeader()->setSectionsClickable(false);
    sessionTableView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    horizontalLayout_3->addWidget(&soundingCurvePlot);
    horizontalLayout_3->addWidget(&pseudoSectionPlot);
    onPlotChange(0);

    if (!viewOnly)
        connectRunControl();
    connectViews();
    onTranslate();
}

woxSessionWidget::~woxSessionWidget()
{
    // A run still under way must not keep the system menu locked.
    if (runPending)
        woxSystemWidget::setActivity(false);
}

void woxSessionWidget::setDelays(int autoSaveMs, int startEnableMs)
{
    autoSaveDelay = autoSaveMs;
    startEnableDelay = startEnableMs;
}

bool woxSessionWidget::openScreen(woxSessionWidget *&screen, const QString &source,
                                  bool viewOnly)
{
    try {
        screen = new woxSessionWidget(nullptr, viewOnly);
        if (screen->openFlow(source))
            return true;
        screen->close();
    } catch (...) {
        woxWarningDialog::showOk(tr("System error"));
    }
    return false;
}

void woxSessionWidget::applyStyleSheets()
{
    woxStyleSheet::apply(sessionTableView->horizontalHeader(),
                         QStringLiteral(":/system/system/bHeaderView.qss"));
    woxStyleSheet::apply(sessionTableView, QStringLiteral(":/system/system/vScrollBar.qss"));
    woxStyleSheet::apply(msrCenterDepthSlider, QStringLiteral(":/system/system/hSlider.qss"));
}

void woxSessionWidget::connectRunControl()
{
    connect(startPushButton, &QPushButton::clicked, this, &woxSessionWidget::onStart);
    connect(signalsPushButton, &QPushButton::clicked, this, &woxSessionWidget::onSignalsOpen);
    connect(woxCore::instance(), &woxCore::sendReportET2D, this, &woxSessionWidget::onReportET2D);
    connect(&startEnableTimer, &QTimer::timeout, this, &woxSessionWidget::onStartEnable);
    connect(&dataModel, &woxSessionDataModel::sendMoveForward, this,
            &woxSessionWidget::onMoveForward);
}

void woxSessionWidget::connectViews()
{
    connect(closePushButton, &QPushButton::clicked, this, &woxSessionWidget::onClose);
    connect(currentSetComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), &dataModel,
            &woxSessionDataModel::onCurrentSetChange);
    connect(modeComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &woxSessionWidget::onModeChange);
    connect(displayComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &woxSessionWidget::onPlotChange);
    connect(&soundingCurvePlot, &woxSoundingCurvePlot::sendRowSelection, this,
            &woxSessionWidget::onRowSelection);
    connect(&pseudoSectionPlot, &woxPseudoSectionPlot::sendRowSelection, this,
            &woxSessionWidget::onRowSelection);
    connect(&soundingCurvePlot, &woxSoundingCurvePlot::sendRowDelete, &dataModel,
            &woxSessionDataModel::onRowDelete);
    connect(&pseudoSectionPlot, &woxPseudoSectionPlot::sendRowDelete, &dataModel,
            &woxSessionDataModel::onRowDelete);
    connect(&dataModel, &woxSessionDataModel::sendSetInfoUpdate, this,
            &woxSessionWidget::onSetInfoUpdate);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate, this,
            &woxSessionWidget::onTranslate);
}

// ---------------------------------------------------------------- opening

bool woxSessionWidget::openFlow(const QString &source)
{
    if (viewOnly)
        return bindSession(source);
    if (source.isEmpty()) {
        if (!newSessionAllowed())
            return false;
        woxFileTableDataModel files(false);
        if (files.isEmpty()) {
            woxWarningDialog::showOk(tr("Can not find templates") + QStringLiteral("\n(")
                                     + templatesDir + QLatin1Char(')'));
            return false;
        }
        woxFileTableDialog dialog(&files);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        return appendSession(templatesDir + dialog.selectedName() + QLatin1Char('.')
                             + templateExtension);
    }
    if (source == varnexSourceMarker) {
        if (!newSessionAllowed())
            return false;
        const QStringList names = woxERTTableDialog::varnexNames();
        if (names.isEmpty()) {
            woxWarningDialog::showOk(tr("Can not find templates") + QStringLiteral("\n(")
                                     + varnexDir + QLatin1Char(')'));
            return false;
        }
        woxERTTableDialog dialog(names);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        return createSession(varnexDir + dialog.selectedName());
    }
    return bindSession(source);
}

// A new session is generated over the working copy. When the last session
// was not finished and holds measurements, they exist nowhere else: the
// operator decides whether to give them up.
bool woxSessionWidget::newSessionAllowed() const
{
    if (woxSessionCloseFlag::mainValue() != 0 || !woxWorkingCopy::hasMeasuredRow())
        return true;
    return woxWarningDialog::askYesNo(tr("Previous session was not finished. Start a new "
                                         "session and discard its measurements?"))
           == 1;
}

bool woxSessionWidget::createSession(const QString &varnexPath)
{
    if (viewOnly || varnexPath.isEmpty())
        return false;
    woxTemplateDataModel model(nullptr);
    if (!model.loadVarnexTemplate(varnexPath))
        return false;
    return createFrom(model, 2, true, true, 0);
}

bool woxSessionWidget::appendSession(const QString &templatePath)
{
    if (viewOnly || templatePath.isEmpty())
        return false;
    quint16 fromElectrode = 0;
    {
        woxSessionModeDialog mode;
        fromElectrode = mode.segmentStart(mode.exec());
    }
    woxTemplateDataModel model(nullptr);
    if (!model.load(templatePath, true))
        return false;
    bool remoteTx = false;
    bool remoteRx = false;
    for (const woxTemplateSet &set : model.sets()) {
        const quint8 type = set.arrayType();
        if (type == 5 || type == 6)
            remoteTx = true;
        if (type == 7 || type == 17) {
            remoteTx = true;
            remoteRx = true;
            break;
        }
    }
    return createFrom(model, model.cables(), remoteTx, remoteRx, fromElectrode);
}

bool woxSessionWidget::createFrom(const woxTemplateDataModel &model, woxCable cables,
                                  bool remoteTx, bool remoteRx, quint16 fromElectrode)
{
    woxCableConfiguration configuration;
    {
        woxCableConfigDialog dialog(nullptr, cables, remoteTx, remoteRx);
        if (dialog.exec() == 0)
            return false;
        configuration = dialog.configuration();
    }
    const int count = woxWorkingCopy::generate(model.content(), configuration, fromElectrode);
    if (count < 0) {
        woxWarningDialog::showOk(tr("Can not write data to file"));
        return false;
    }
    if (count == 0) {
        woxWarningDialog::showOk(tr("There are no measurements in session"));
        return false;
    }
    return bindSession(woxWorkingCopy::path());
}

bool woxSessionWidget::bindSession(const QString &path)
{
    if (path.isEmpty() || bound)
        return false;
    sessionName = path;
    sessionName.remove(systemDir);
    sessionName.remove(sessionsDir);
    sessionName.remove(QLatin1Char('.') + sessionExtension);
    if (!dataModel.load(path)) {
        emit sendSessionClose();
        return false;
    }
    if (!viewOnly && !dataModel.checkIpOptions()) {
        close();
        emit sendSessionClose();
        return false;
    }
    bound = true;
    buildRunsLeft();
    dataModel.setMsrCenterDepthValueLabel(msrCenterDepthValueLabel);
    dataModel.setMsrCenterDepthHeaderLabel(msrCenterDepthHeaderLabel);
    dataModel.setMsrCenterDepthDimensionLabel(msrCenterDepthDimensionLabel);
    dataModel.setMsrCenterDepthWidget(msrCenterDepthSlider);
    if (!viewOnly)
        dataModel.onGPS();
    pseudoSectionPlot.setPitch(dataModel.summary().cableSpacing);
    sessionTableView->setModel(&dataModel);
    new woxSessionTableColumns(sessionTableView);   // owned by the table
    sessionTableView->selectRow(0);
    if (viewOnly)
        woxSessionCloseFlag::storeViewed();
    else
        woxSessionCloseFlag::store(0);
    connectPlots();
    dataModel.updatePlots();
    if (dataModel.summary().arrayCounts.isEmpty()) {
        mainTabWidget->setTabEnabled(1, false);
        dataModel.setResistanceOnly();
    }
    return true;
}

void woxSessionWidget::connectPlots()
{
    typedef QVector<QPointF> Points;
    connect(&dataModel, QOverload<Points, QVector<quint32>>::of(&woxSessionDataModel::sendPlotUpdate),
            &soundingCurvePlot,
            QOverload<const Points &, const QVector<quint32> &>::of(&woxSoundingCurvePlot::onPlotUpdate));
    connect(&dataModel, QOverload<Points>::of(&woxSessionDataModel::sendPlotUpdate),
            &soundingCurvePlot, QOverload<const Points &>::of(&woxSoundingCurvePlot::onPlotUpdate));
    connect(&dataModel,
            QOverload<Points, QVector<float>, QVector<quint32>>::of(&woxSessionDataModel::sendPlotUpdate),
            &pseudoSectionPlot, &woxPseudoSectionPlot::onPlotUpdate);
}

void woxSessionWidget::markClosed()
{
    woxSessionCloseFlag::store(1);
}

void woxSessionWidget::buildRunsLeft()
{
    const int rows = dataModel.unitCount();
    QVector<bool> chained(rows);
    for (int row = 0; row < rows; ++row)
        chained[row] = dataModel.unitAt(row)->chained;
    runsLeft = woxSessionProgress::runsLeft(chained);
}

// ------------------------------------------------------------ run control

void woxSessionWidget::onStart(bool checked)
{
    if (!checked) {
        woxUserMessage::instance()->message(QString());
        woxCore::instance()->stop();
        setControlsEnabled(true);
        return;
    }
    // With no row to measure nothing is sent, and the controls come back at
    // once rather than waiting for a report that never comes.
    const int row = selectedRow();
    if (row < 0) {
        setControlsEnabled(true);
        return;
    }
    setControlsEnabled(false);
    woxOptionsWidget::setPauseDisabled(true);
    runTime.start();
    runPending = dataModel.measureSet(row);
    if (!runPending)
        setControlsEnabled(true);
}

void woxSessionWidget::setControlsEnabled(bool enabled)
{
    sessionTableView->setSelectionMode(enabled ? QAbstractItemView::SingleSelection
                                               : QAbstractItemView::NoSelection);
    signalsPushButton->setEnabled(enabled);
    closePushButton->setEnabled(enabled);
    if (enabled) {
        startPushButton->setEnabled(false);
        startPushButton->setChecked(false);
        startEnableTimer.start(startEnableDelay);
    }
    woxSystemWidget::setActivity(!enabled);
}

void woxSessionWidget::onStartEnable()
{
    startPushButton->setEnabled(true);
}

void woxSessionWidget::onReportET2D(const woxCoreReportET2D &coreReportET2D)
{
    if (!runPending)
        return;
    runPending = false;
    if (coreReportET2D.error.code != 0) {
        dataModel.save(sessionName, true);
        setControlsEnabled(true);
        woxWarningDialog::showOk(coreReportET2D.error.toString());
        return;
    }
    dataModel.setResult(coreReportET2D);
}

void woxSessionWidget::onMoveForward(int rowNumber, int rowsCount)
{
    if (rowsCount == 0)
        return;
    sessionTableView->setSelectionMode(QAbstractItemView::SingleSelection);
    // The row after the last one stored: the next run, or the first row of
    // this run that got no result.
    const int next = rowNumber + rowsCount;
    const bool done = next >= dataModel.unitCount();
    if (done) {
        sessionTableView->selectRow(dataModel.unitCount() - 1);
        dataModel.updatePlots();
        setControlsEnabled(true);
    } else {
        sessionTableView->selectRow(next);
    }
    woxUserMessage::instance()->message(woxSessionProgress::timeLeftText(
        runTime.elapsed(), runsLeft.value(selectedRow(), 0)));
    if (startPushButton->isChecked()) {
        if (!autoSaveTimer.isActive()) {
            autoSave();
            autoSaveTimer.start(autoSaveDelay);
        }
        onStart(true);
    } else {
        dataModel.save(sessionName, true);
    }
    if (done) {
        woxUserMessage::instance()->messageForever(QString());
        woxWarningDialog::showOk(tr("It is all done"));
    }
}

void woxSessionWidget::autoSave()
{
    dataModel.save(sessionName, true);
}

int woxSessionWidget::selectedRow() const
{
    const QItemSelectionModel *selection = sessionTableView->selectionModel();
    if (!selection)
        return -1;
    const QModelIndexList rows = selection->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void woxSessionWidget::onClose()
{
    if (viewOnly) {
        emit sendSessionClose();
        return;
    }
    switch (woxWarningDialog::askYesNoCancel(tr("Do you want to save current session?"))) {
    case 0:
        markClosed();
        emit sendSessionClose();
        break;
    case 1:
        // A named copy that was not written keeps the session open, with
        // the working copy still the only record of it.
        if (dataModel.save(sessionName, false)) {
            markClosed();
            emit sendSessionClose();
        }
        break;
    default:
        break;
    }
}

// --------------------------------------------------------------- signals

void woxSessionWidget::onSignalsOpen()
{
    const int row = selectedRow();
    if (row < 0 || signalWidget)
        return;
    mainTabWidget->hide();
    signalWidget = new woxSignalWidget(this);
    signalWidget->hideBadButton();
    signalWidget->setQuadripole(dataModel.quadripoleAt(row));
    gridLayout->addWidget(signalWidget, 1, 0);
    connect(signalWidget, &woxSignalWidget::sendSignalWidgetClose, this,
            &woxSessionWidget::onSignalsClose);
}

void woxSessionWidget::onSignalsClose()
{
    woxEmbeddedScreen::dispose(signalWidget, this);
    mainTabWidget->show();
}

// ----------------------------------------------------------- plots, texts

void woxSessionWidget::onPlotChange(int i)
{
    const int mode = dataModel.currentMode();
    dataModel.setPlotKind(quint8(i));
    switchPlot(i, mode);
}

void woxSessionWidget::onModeChange(int i)
{
    const int plotKind = dataModel.currentPlotKind();
    dataModel.setMode(quint8(i));
    switchPlot(plotKind, i);
}

void woxSessionWidget::switchPlot(int plotKind, int mode)
{
    if (plotKind < 0 || plotKind > 2 || mode < 0 || mode > 1)
        return;
    const bool section = plotKind == 0;
    pseudoSectionPlot.setVisible(section);
    soundingCurvePlot.setVisible(!section);
    soundingCenterFrame->setVisible(!section);
    xCenterLabel->setVisible(plotKind != 1);
    xDepthLabel->setVisible(plotKind == 1);
    xResistivitylabel->setVisible(section && mode == 0);
    xChargeabilityLabel->setVisible(section && mode == 1);
    yDepthLabel->setVisible(section);
    yResistivitylabel->setVisible(!section && mode == 0);
    yChargeabilityLabel->setVisible(!section && mode == 1);
}

void woxSessionWidget::onSetInfoUpdate(const QStringList &stringList)
{
    currentSetComboBox->clear();
    currentSetComboBox->addItems(stringList);
}

void woxSessionWidget::onRowSelection(int index)
{
    if (sessionTableView->selectionMode() == QAbstractItemView::NoSelection)
        return;
    sessionTableView->selectRow(index);
    mainTabWidget->setCurrentIndex(0);
}

void woxSessionWidget::onTranslate()
{
    mainTabWidget->setTabText(0, tr("Table"));
    mainTabWidget->setTabText(1, tr("Graphics"));
    startPushButton->setText(tr("Start"));
    signalsPushButton->setText(tr("Signals"));
    closePushButton->setText(tr("Finish"));
    _currentSetLabel->setText(tr("Current set:"));
    _displayLabel->setText(tr("Display:"));
    _modeLabel->setText(tr("Mode:"));
    displayComboBox->setItemText(0, tr("Pseudo section"));
    displayComboBox->setItemText(1, tr("Sounding curves"));
    displayComboBox->setItemText(2, tr("Profile curves"));
    modeComboBox->setItemText(0, tr("Resistivity"));
    modeComboBox->setItemText(1, tr("Chargeability"));
    translateCaptions();
}

void woxSessionWidget::translateCaptions()
{
    const QString ohmMetre = QStringLiteral("%1%2%3").arg(tr("Ohm"), QString(QChar(0x22C5)), tr("m"));
    xDepthLabel->setText(tr("P s e u d o  d e p t h  [m]"));
    xCenterLabel->setText(tr("M e a s u r e m e n t  c e n t e r  [m]"));
    xResistivitylabel->setText(QStringLiteral("%1 [%2]").arg(tr("A p p a r e n t  r e s i s t i v i t y"), ohmMetre));
    xChargeabilityLabel->setText(tr("A p p a r e n t  c h a r g e a b i l i t y  [mV/V]"));
    yDepthLabel->setText(tr("P\ns\ne\nu\nd\no\n\nd\ne\np\nt\nh\n\n[m]"));
    yResistivitylabel->setText(QStringLiteral("%1\n\n[%2]").arg(
        tr("A\np\np\na\nr\ne\nn\nt\n\nr\ne\ns\ni\ns\nt\ni\nv\ni\nt\ny"), ohmMetre));
    yChargeabilityLabel->setText(
        tr("A\np\np\na\nr\ne\nn\nt\n\nc\nh\na\nr\ng\ne\na\nb\ni\nl\ni\nt\ny\n\n[mV/V]"));
}
