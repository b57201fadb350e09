#ifndef WOXOPTIONSWIDGET_H
#define WOXOPTIONSWIDGET_H

#include <QWidget>

// The OPTIONS page of the main window. An empty page until the measurement
// options are built; it already takes part in the main window's close event.
class woxOptionsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit woxOptionsWidget(QWidget *parent = nullptr);

    // Writes the page's options to the settings store; called first by the
    // main window's close event.
    void saveSettings();
};

#endif
