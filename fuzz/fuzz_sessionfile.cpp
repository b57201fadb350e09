// libFuzzer target for the session file reader. Besides memory errors, an
// accepted file that breaks what the session model relies on (rows present,
// a finite spacing and profile length) aborts, and so does one whose
// rewritten bytes do not read back to the same bytes again.

#include "woxFuzzStreams.h"
#include "woxSessionFile.h"

#include <cmath>

namespace {

QByteArray written(const woxSessionFile &content)
{
    return woxFuzz::written([&content](QDataStream &stream) { content.write(stream); });
}

bool readBytes(const QByteArray &bytes, woxSessionFile *content)
{
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_4_8);
    return content->read(stream);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > (1u << 20))
        return 0;
    const QByteArray bytes = woxFuzz::inputBytes(data, size);
    woxSessionFile content;
    if (!readBytes(bytes, &content))
        return 0;
    if (content.units.isEmpty() || !std::isfinite(content.summary.cableSpacing)
        || !std::isfinite(content.summary.profileLength))
        abort();
    const QByteArray once = written(content);
    woxSessionFile again;
    if (!readBytes(once, &again) || written(again) != once)
        abort();
    return 0;
}
