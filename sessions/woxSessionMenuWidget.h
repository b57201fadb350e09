#ifndef WOXSESSIONMENUWIDGET_H
#define WOXSESSIONMENUWIDGET_H

#include <QWidget>

// The MAIN page of the main window (start, open and append sessions).
// An empty page until the sessions screens are built.
class woxSessionMenuWidget : public QWidget
{
    Q_OBJECT

public:
    explicit woxSessionMenuWidget(QWidget *parent = nullptr);
};

#endif
