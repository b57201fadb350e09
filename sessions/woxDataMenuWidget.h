#ifndef WOXDATAMENUWIDGET_H
#define WOXDATAMENUWIDGET_H

#include <QWidget>

// The DATA page of the main window (stored sessions opened for viewing).
// An empty page until the sessions screens are built.
class woxDataMenuWidget : public QWidget
{
    Q_OBJECT

public:
    explicit woxDataMenuWidget(QWidget *parent = nullptr);
};

#endif
