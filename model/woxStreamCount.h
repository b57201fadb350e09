#ifndef WOXSTREAMCOUNT_H
#define WOXSTREAMCOUNT_H

#include <QVector>

class QDataStream;

// Guards counts read from files before anything is allocated from them: Qt's own container
// readers reserve memory from the raw count, so a damaged file could abort the program.
namespace woxStreamCount {

// True when count items of itemBytes bytes each can still follow on the stream. A negative
// count, or one that the bytes left could not hold, sets ReadCorruptData and gives false;
// a stream that has already failed gives false and keeps its status.
bool accept(QDataStream &stream, qint64 count, qint64 itemBytes);

// A list of floats as the files hold it: a 32-bit count, then every value as the stream's
// floating-point form (a double in our files). The reader empties the list first and
// refuses a count as accept() does, leaving the list empty.
void writeFloats(QDataStream &stream, const QVector<float> &values);
bool readFloats(QDataStream &stream, QVector<float> &values);

// Reads a 32-bit count that the layout fixes and answers whether it is the expected one.
// Any other count sets ReadCorruptData; a short stream keeps its own status.
bool expect(QDataStream &stream, qint32 expected);

} // namespace woxStreamCount

#endif // WOXSTREAMCOUNT_H
