#ifndef WOXPOPUPMENUANSWER_H
#define WOXPOPUPMENUANSWER_H

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

// Answers the pop-up menus that code under test runs with exec(): chooses
// the entry whose text is `choice`, or closes the menu with Escape when the
// choice is empty. Every menu seen is recorded as its entries' texts joined
// by "|"; `whileOpen` runs while each menu is shown, before it is answered.
class woxPopupMenuAnswer : public QObject
{
    Q_OBJECT

public:
    explicit woxPopupMenuAnswer(const QString &choice = QString());

    QStringList seen;
    std::function<void()> whileOpen;

private slots:
    void poll();

private:
    QString choice;
    QTimer timer;
};

#endif
