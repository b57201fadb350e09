#ifndef WOXSTREAMCOUNT_H
#define WOXSTREAMCOUNT_H

#include <QtGlobal>

class QDataStream;

// Guards counts read from files before anything is allocated from them: Qt's own container
// readers reserve memory from the raw count, so a damaged file could abort the program.
namespace woxStreamCount {

// True when count items of itemBytes bytes each can still follow on the stream. A negative
// count, or one that the bytes left could not hold, sets ReadCorruptData and gives false;
// a stream that has already failed gives false and keeps its status.
bool accept(QDataStream &stream, qint64 count, qint64 itemBytes);

} // namespace woxStreamCount

#endif // WOXSTREAMCOUNT_H
