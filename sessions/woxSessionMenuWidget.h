#ifndef WOXSESSIONMENUWIDGET_H
#define WOXSESSIONMENUWIDGET_H

#include "ui_mSessionMenuWidget.h"

#include <QIcon>
#include <QTimer>
#include <QWidget>

class woxSessionWidget;

// The MAIN page: starts a new session from a template file or a Varnex
// text template, or reopens the working copy. While the last session was
// not ended through Finish, "Open previous session" blinks. Hosts at most
// one session screen, which fills the page while it is open.
class woxSessionMenuWidget : public QWidget, public Ui::mSessionMenuWidget
{
    Q_OBJECT

public:
    explicit woxSessionMenuWidget(QWidget *parent = nullptr);
    ~woxSessionMenuWidget() override;

private slots:
    void onTranslate();
    void onSessionCreate();
    void onSessionERT();
    void onSessionLoad();
    void onSessionClose();
    void onAuxTimeout();

private:
    void lastSessionClosed();
    void setMenuVisible(bool visible);
    void openSessionWidget(const QString &source);

    woxSessionWidget *sessionWidget = nullptr;
    QTimer blinkTimer;
    QIcon folderTwo;
    QIcon folderThree;

protected:
    // Shared by every menu of the process and never reset by the program, so
    // the blink continues in step after a pause.
    static bool blinkToggle;
};

#endif
