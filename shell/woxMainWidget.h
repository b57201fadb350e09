#ifndef WOXMAINWIDGET_H
#define WOXMAINWIDGET_H

#include "ui_mMainWidget.h"

#include "woxDataMenuWidget.h"
#include "woxOptionsWidget.h"
#include "woxSessionMenuWidget.h"
#include "woxStatusBar.h"
#include "woxSystemWidget.h"
#include "woxTemplateMenuWidget.h"

#include <QWidget>

class woxUserMessage;

// The fixed 1024 x 600 main window: five tabs holding the five menu pages,
// and the status bar below them. Its close event tears the program-wide
// objects down in a fixed order.
class woxMainWidget : public QWidget, public Ui::mMainWidget
{
    Q_OBJECT

public:
    explicit woxMainWidget(QWidget *parent = nullptr);

public slots:
    void onTranslate();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    static void createDataDirectories();

    // Built in this order and destroyed in the reverse order, before the
    // widget tree that the tabs re-parent them into.
    woxSessionMenuWidget sessionMenuWidget;
    woxOptionsWidget optionsWidget;
    woxTemplateMenuWidget templateMenuWidget;
    woxDataMenuWidget dataMenuWidget;
    woxSystemWidget systemWidget;
    woxStatusBar statusBar;
    woxUserMessage *userMessage;   // not owned
};

#endif
