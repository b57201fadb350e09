#include "woxDeviceTableWidget.h"

#include "woxCore.h"
#include "woxStyleSheet.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QScrollBar>

woxDeviceTableWidget::woxDeviceTableWidget(QWidget *parent)
    : QWidget(parent)
{
    setupUi(this);
    woxStyleSheet::apply(deviceTableView->verticalScrollBar(),
                         QStringLiteral(":/system/system/vScrollBar.qss"));
    woxStyleSheet::apply(deviceTableView->horizontalHeader(),
                         QStringLiteral(":/system/system/bHeaderView.qss"));
    deviceTableView->setModel(&model);
    // Column 0 keeps its 24 pixels for the dot; the names stretch.
    deviceTableView->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    deviceTableView->horizontalHeader()->setSectionsClickable(false);

    connect(refreshPushButton, &QPushButton::clicked, this, &woxDeviceTableWidget::onRefresh);
    connect(woxCore::instance(), &woxCore::sendReportDiscover, this,
            &woxDeviceTableWidget::onReportDiscover);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate, this,
            &woxDeviceTableWidget::onTranslate);
    onTranslate();
    onRefresh();
}

void woxDeviceTableWidget::onTranslate()
{
    refreshPushButton->setText(tr("Refresh"));
    closePushButton->setText(tr("Close"));
    // The header's "Device" comes from the model's own translation.
    model.headerDataChanged(Qt::Horizontal, 0, model.columnCount() - 1);
}

void woxDeviceTableWidget::onRefresh()
{
    woxCore::instance()->discover(false);
    closePushButton->setEnabled(false);
    refreshPushButton->setEnabled(false);
    refreshPushButton->setText(tr("Please wait..."));
}

void woxDeviceTableWidget::onReportDiscover(const woxCoreReportDiscover coreReportDiscover)
{
    if (coreReportDiscover.error.code != 0)
        woxWarningDialog::showOk(coreReportDiscover.error.toString());
    else
        model.setDiscovered(coreReportDiscover.devices);
    closePushButton->setEnabled(true);
    refreshPushButton->setEnabled(true);
    refreshPushButton->setText(tr("Refresh"));
}

void woxDeviceTableWidget::closeEvent(QCloseEvent *event)
{
    // The owner may dispose of the screen here: nothing of it is touched after.
    emit sendDeviceTableWidgetClose();
    event->accept();
}
