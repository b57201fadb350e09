#ifndef WOXLANGUAGEWIDGET_H
#define WOXLANGUAGEWIDGET_H

#include "ui_mLanguageWidget.h"

#include <QWidget>

// The language screen of the system menu: a flag button switches the whole
// program at once; closing the screen stores the language for the next start.
class woxLanguageWidget : public QWidget, public Ui::mLanguageWidget
{
    Q_OBJECT

public:
    explicit woxLanguageWidget(QWidget *parent = nullptr);

signals:
    // Last step of the close handling; the owner deletes the screen on it.
    void sendLanguageWidgetClose();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void onTranslate();
    void onRU();
    void onUK();
};

#endif
