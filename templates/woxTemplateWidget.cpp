#include "woxTemplateWidget.h"

#include "woxArrangementDialog.h"
#include "woxCableConfigDialog.h"
#include "woxCaptionStyle.h"
#include "woxConstants.h"
#include "woxDurationEstimate.h"
#include "woxEmbeddedScreen.h"
#include "woxOptionsWidget.h"
#include "woxSignalWidget.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"

#include <exception>

woxTemplateWidget::woxTemplateWidget(QWidget *parent)
    : QWidget(parent)
{
    setupUi(this);
    setUpCaptions();
    onTabChange(0);
    model.setSetCombo(setComboBox);
    model.setInfoLabels(cablesLabel, electrodesLabel, cableSpacingLabel, profileLengthLabel);
    gridView.setModel(&model);
    setupFrame->layout()->addWidget(&gridView);
    graphicsFrame->layout()->addWidget(&plot);
    makeConnections();
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate,
            this, &woxTemplateWidget::onTranslate);
    onTranslate();
}

// The grid view, model and plot are members: they leave the layouts before
// the base class deletes its remaining children (an open signal window).
woxTemplateWidget::~woxTemplateWidget() = default;

void woxTemplateWidget::makeConnections()
{
    connect(addPushButton, &QPushButton::clicked, &model, &woxTemplateDataModel::onSetAdd);
    connect(clonePushButton, &QPushButton::clicked, &model, &woxTemplateDataModel::onSetClone);
    connect(removePushButton, &QPushButton::clicked, &model, &woxTemplateDataModel::onSetRemove);
    connect(clearPushButton, &QPushButton::clicked, &model, &woxTemplateDataModel::onSetClear);
    connect(modifyPushButton, &QPushButton::clicked, &model, &woxTemplateDataModel::onSetModify);
    connect(groundingPushButton, &QPushButton::clicked, this, &woxTemplateWidget::onGrounding);
    connect(editPushButton, &QPushButton::clicked, this, &woxTemplateWidget::onArrangement);
    connect(estimatePushButton, &QPushButton::clicked, this, &woxTemplateWidget::onEstimate);
    connect(savePushButton, &QPushButton::clicked, this, &woxTemplateWidget::onSave);
    connect(closePushButton, &QPushButton::clicked, this, &woxTemplateWidget::onClose);
    connect(tabWidget, &QTabWidget::currentChanged, this, &woxTemplateWidget::onTabChange);
    connect(&plot, &woxTemplatePlot::sendQuadripoleSelect,
            this, &woxTemplateWidget::onSignalWidgetOpen);
    connect(&gridView, &woxTemplateTableView::sendSelection,
            &model, &woxTemplateDataModel::onSpacingLevelMainConfig);
    connect(&model, &woxTemplateDataModel::sendPlotUpdate, &plot, &woxTemplatePlot::onPlotUpdate);
    connect(&model, &woxTemplateDataModel::sendPlotClear, &plot, &woxTemplatePlot::onPlotClear);
}

bool woxTemplateWidget::loadFile(const QString &path)
{
    name = path;
    name.remove(templatesDir);
    name.remove(QLatin1Char('.') + templateExtension);
    return model.load(path, false);
}

// The captions around the grid and the plot; all but the spacing caption
// read the same in every language.
void woxTemplateWidget::setUpCaptions()
{
    for (QLabel *caption : {_centerLabel, _depthLabel, _levelLabel, _spacingLabel})
        woxCaptionStyle::apply(caption);
    _centerLabel->setText(QStringLiteral("M e a s u r e m e n t  c e n t e r  [m]"));
    _depthLabel->setText(QStringLiteral("P\ns\ne\nu\nd\no\n\nd\ne\np\nt\nh\n\n[m]"));
    _levelLabel->setText(QStringLiteral("L e v e l"));
}

void woxTemplateWidget::onTranslate()
{
    arrangementGroupBox->setTitle(tr("Arrangement"));
    actionsGroupBox->setTitle(tr("Actions"));
    estimatePushButton->setText(tr("Estimate duration"));
    savePushButton->setText(tr("Save template"));
    groundingPushButton->setText(tr("Check grounding"));
    closePushButton->setText(tr("Close template"));
    editPushButton->setText(tr("Edit arrangement"));
    _cablesLabel->setText(tr("Cables:"));
    _cableSpacingLabel->setText(tr("Cable spacing:"));
    _profileLengthLabel->setText(tr("Profile length:"));
    _electrodesLabel->setText(tr("Electrodes:"));
    tabWidget->setTabText(0, tr("General"));
    tabWidget->setTabText(1, tr("Setup"));
    tabWidget->setTabText(2, tr("Graphics"));
    _currentSetLabel->setText(tr("Current set:"));
    addPushButton->setText(tr("Add"));
    clonePushButton->setText(tr("Clone"));
    removePushButton->setText(tr("Remove"));
    clearPushButton->setText(tr("Clear"));
    modifyPushButton->setText(tr("Modify"));
    _spacingLabel->setText(tr("S\np\na\nc\ni\nn\ng") + QStringLiteral("\n  "));
}

void woxTemplateWidget::onTabChange(int tabIndex)
{
    const bool visible = tabIndex != 0;
    for (QWidget *widget : std::initializer_list<QWidget *>{
             _currentSetLabel, setComboBox, addPushButton, clonePushButton, removePushButton,
             modifyPushButton, clearPushButton, line})
        widget->setVisible(visible);
}

void woxTemplateWidget::onArrangement()
{
    woxArrangementDialog dialog;
    dialog.setCables(model.cables());
    dialog.setCableSpacing(model.cableSpacing());
    if (dialog.exec() == QDialog::Accepted)
        model.setArrangement(dialog.cables(), dialog.cableSpacing());
}

bool woxTemplateWidget::openCableDialog()
{
    try {
        cableDialog.reset(new woxCableConfigDialog(nullptr, model.cables(), true, true));
    } catch (const std::exception &) {
        cableDialog.reset();
        woxWarningDialog::showOk(tr("System error"));
        return false;
    }
    return true;
}

void woxTemplateWidget::onGrounding()
{
    // The dialog is kept, with its measured values and switched-off
    // electrodes, for every later press until Close.
    if (!cableDialog && !openCableDialog())
        return;
    if (cableDialog->exec() != QDialog::Accepted)
        return;
    plot.setDisabledElectrodes(cableDialog->configuration().disabledElectrodes());
    plot.setGroundingChecked();
}

void woxTemplateWidget::onEstimate()
{
    if (model.checkMeasurementLimit())
        return;
    const int runs = model.measurementCount();
    int minimum = 0;
    int maximum = 0;
    woxOptionsWidget::measurementDuration(&minimum, &maximum);
    woxWarningDialog::showOk(woxDurationEstimate::message(
        tr("Measurements:"), model.totalQuadripoles(), tr("runs:"), runs, tr("duration:"),
        minimum, maximum));
}

void woxTemplateWidget::onSave()
{
    model.save(name);
}

void woxTemplateWidget::onClose()
{
    if (model.flagByte()) {
        const int answer = woxWarningDialog::askYesNoCancel(tr("Do you want to save this template?"));
        if (answer == woxWarningDialog::CancelResult)
            return;
        if (answer == 1 && !model.save(name))
            return;
    }
    cableDialog.reset();
    close();
    emit sendTemplateClose();
}

void woxTemplateWidget::onSignalWidgetOpen(woxQuadripole quadripole)
{
    try {
        signalWidget = new woxSignalWidget(nullptr);
    } catch (const std::exception &) {
        signalWidget = nullptr;
        woxWarningDialog::showOk(tr("System error"));
        onSignalWidgetClose();
        return;
    }
    signalWidget->setQuadripole(quadripole);
    tabWidget->hide();
    onTabChange(0);
    gridLayout->addWidget(signalWidget, 3, 0);
    connect(signalWidget, &woxSignalWidget::sendSignalWidgetClose,
            this, &woxTemplateWidget::onSignalWidgetClose);
    connect(signalWidget, &woxSignalWidget::sendSpacingLevelAuxConfig,
            &model, &woxTemplateDataModel::onSpacingLevelAuxConfig);
}

void woxTemplateWidget::onSignalWidgetClose()
{
    woxEmbeddedScreen::dispose(signalWidget, this);
    tabWidget->show();
    onTabChange(tabWidget->currentIndex());
}
