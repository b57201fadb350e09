#ifndef WOXGPSWIDGET_H
#define WOXGPSWIDGET_H

#include "ui_mGPSWidget.h"

#include <QTimer>
#include <QWidget>

// The GPS screen of the system menu: every five seconds it copies the fix
// from the process-wide holder and shows position, quality, time and date,
// or "N/A" everywhere while there is no valid fix.
class woxGPSWidget : public QWidget, public Ui::mGPSWidget
{
    Q_OBJECT

public:
    explicit woxGPSWidget(QWidget *parent = nullptr);

    static const int refreshInterval = 5000;

signals:
    // Last step of the close handling; the owner disposes of the screen on it.
    void sendGPSWidgetClose();

public slots:
    void onTranslate();
    void onAuxTimeout();
    void closeEvent(QCloseEvent *event) override;

private:
    QTimer timer;
};

#endif
