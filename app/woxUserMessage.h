#ifndef WOXUSERMESSAGE_H
#define WOXUSERMESSAGE_H

#include <QObject>
#include <QString>

// The program-wide source of status-line messages: any screen hands it an
// already translated text, and the main window routes both signals to the
// status bar. GUI thread only.
class woxUserMessage : public QObject
{
    Q_OBJECT

public:
    static woxUserMessage *instance();
    static void destroy();

    // A message that disappears after 20 seconds.
    void message(const QString &text);
    // A message that stays until another one replaces it.
    void messageForever(const QString &text);

signals:
    void sendUserMessage(QString text);
    void sendUserMessageForever(QString text);

private:
    woxUserMessage() = default;

    static woxUserMessage *self;
};

#endif
