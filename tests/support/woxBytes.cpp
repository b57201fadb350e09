#include "woxBytes.h"

QByteArray woxHex(const QString &text)
{
    QByteArray digits;
    for (QChar c : text) {
        if (!c.isSpace())
            digits.append(c.toLatin1());
    }
    return QByteArray::fromHex(digits);
}
