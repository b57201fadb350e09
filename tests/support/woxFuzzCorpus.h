#ifndef WOXFUZZCORPUS_H
#define WOXFUZZCORPUS_H

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>
#include <functional>

class QDataStream;

// The inputs of a fuzzing corpus folder, read in name order, so that an
// ordinary sanitized test run replays what the fuzzer keeps without clang
// or libFuzzer.
class woxFuzzCorpus
{
public:
    typedef int (*Target)(const uint8_t *data, size_t size);

    explicit woxFuzzCorpus(const QString &folder);

    const QList<QByteArray> &inputs() const { return contents; }

    // Feeds every input to the fuzz target, in order.
    void replay(Target target) const;
    // How many inputs `read` accepts, each given on its own stream of the
    // files' version (Qt 4.8).
    int accepted(const std::function<bool(QDataStream &)> &read) const;

private:
    QList<QByteArray> contents;
};

#endif
