#ifndef WOXSYSTEMWIDGET_H
#define WOXSYSTEMWIDGET_H

#include <QWidget>

// The SYSTEM page of the main window. An empty page until the system menu
// is built; its activity flag and power-off signal already exist for the
// main window and the session screen.
class woxSystemWidget : public QWidget
{
    Q_OBJECT

public:
    explicit woxSystemWidget(QWidget *parent = nullptr);

    // Set while a measurement runs (true from Start until measuring stops).
    static void setActivity(bool active);

signals:
    // The operator confirmed Exit; the main window closes on it.
    void sendPowerOff();

private:
    static bool activity;
};

#endif
