#ifndef WOXRELEASEWIDGET_H
#define WOXRELEASEWIDGET_H

#include "ui_mReleaseWidget.h"

#include <QWidget>

// The release-notes screen of the system menu: the program version and the
// notes of the current language, which follow every language change.
class woxReleaseWidget : public QWidget, public Ui::mReleaseWidget
{
    Q_OBJECT

public:
    explicit woxReleaseWidget(QWidget *parent = nullptr);

signals:
    // Last step of the close handling; the owner disposes of the screen on it.
    void sendReleaseWidgetClose();

public slots:
    void onTranslate();
    void closeEvent(QCloseEvent *event) override;
};

#endif
