#ifndef WOXUPDATEWIDGET_H
#define WOXUPDATEWIDGET_H

#include "ui_mUpdateWidget.h"

#include <QWidget>

// The update screen of the system menu.
class woxUpdateWidget : public QWidget, public Ui::mUpdateWidget
{
    Q_OBJECT

public:
    explicit woxUpdateWidget(QWidget *parent = nullptr);

signals:
    // Last step of the close handling; the owner disposes of the screen on it.
    void sendUpdateWidgetClose();

public slots:
    void onTranslate();
    void closeEvent(QCloseEvent *event) override;
};

#endif
