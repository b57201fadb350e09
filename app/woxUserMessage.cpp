#include "woxUserMessage.h"

woxUserMessage *woxUserMessage::self = nullptr;

woxUserMessage *woxUserMessage::instance()
{
    if (!self)
        self = new woxUserMessage();
    return self;
}

void woxUserMessage::destroy()
{
    delete self;
    self = nullptr;
}

void woxUserMessage::message(const QString &text)
{
    emit sendUserMessage(text);
}

void woxUserMessage::messageForever(const QString &text)
{
    emit sendUserMessageForever(text);
}
