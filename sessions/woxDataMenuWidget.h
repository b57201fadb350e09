#ifndef WOXDATAMENUWIDGET_H
#define WOXDATAMENUWIDGET_H

#include <QWidget>

class QPushButton;
class QVBoxLayout;
class woxSessionWidget;

// The DATA page: opens a stored session of the sessions directory for
// viewing only. Hosts at most one session screen, which fills the page
// while it is open; the MAIN page's session is not affected.
class woxDataMenuWidget : public QWidget
{
    Q_OBJECT

public:
    explicit woxDataMenuWidget(QWidget *parent = nullptr);
    ~woxDataMenuWidget() override;

private slots:
    void onTranslate();
    void onOpen();
    void onSessionClose();

private:
    void setMenuVisible(bool visible);
    void openSessionWidget(const QString &path);

    QVBoxLayout *verticalLayout;
    QPushButton *openPushButton;
    woxSessionWidget *sessionWidget = nullptr;
};

#endif
