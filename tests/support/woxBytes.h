#ifndef WOXBYTES_H
#define WOXBYTES_H

#include <QByteArray>
#include <QString>

// Golden tests write expected bytes as hex text ("00 02 3F F0 ..."), blanks
// and line breaks ignored.
QByteArray woxHex(const QString &text);

#endif
