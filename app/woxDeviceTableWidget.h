#ifndef WOXDEVICETABLEWIDGET_H
#define WOXDEVICETABLEWIDGET_H

#include "ui_mDeviceTableWidget.h"

#include "woxCoreReportDiscover.h"
#include "woxDeviceTableDataModel.h"

#include <QWidget>

// The device screen of the system menu: the 43 bus devices by name, a dot
// for each one that answered the last discovery. Opening the screen and
// Refresh start a discovery; both buttons wait for its report.
class woxDeviceTableWidget : public QWidget, public Ui::mDeviceTableWidget
{
    Q_OBJECT

public:
    explicit woxDeviceTableWidget(QWidget *parent = nullptr);

signals:
    // Last step of the close handling; the owner disposes of the screen on it.
    void sendDeviceTableWidgetClose();

public slots:
    void onTranslate();
    void closeEvent(QCloseEvent *event) override;
    void onRefresh();
    void onReportDiscover(const woxCoreReportDiscover coreReportDiscover);

private:
    woxDeviceTableDataModel model;
};

#endif
