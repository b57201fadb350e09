#include "woxFuzzCorpus.h"

#include <QDataStream>
#include <QDir>
#include <QFile>

woxFuzzCorpus::woxFuzzCorpus(const QString &folder)
{
    // An unnamed folder would be the working directory, not a corpus.
    if (folder.isEmpty())
        return;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo &info : files) {
        QFile file(info.filePath());
        // A file that cannot be read shows as a missing input in the count.
        if (file.open(QIODevice::ReadOnly))
            contents.append(file.readAll());
    }
}

void woxFuzzCorpus::replay(Target target) const
{
    for (const QByteArray &data : contents)
        target(reinterpret_cast<const uint8_t *>(data.constData()), size_t(data.size()));
}

int woxFuzzCorpus::accepted(const std::function<bool(QDataStream &)> &read) const
{
    int count = 0;
    for (const QByteArray &data : contents) {
        QDataStream stream(data);
        stream.setVersion(QDataStream::Qt_4_8);
        count += read(stream) ? 1 : 0;
    }
    return count;
}
