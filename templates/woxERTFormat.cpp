#include "woxERTFormat.h"

#include <QTextStream>

QString woxERTFormat::coordinate(float value)
{
    QString text;
    QTextStream stream(&text, QIODevice::WriteOnly);
    stream << value;
    stream.flush();
    return text;
}

QString woxERTFormat::text(const QMap<woxElectrode, woxElectrodePosition> &electrodes,
                           const QList<woxQuadripole> &quadripoles)
{
    const QChar blank(QLatin1Char(' '));
    const QChar lineFeed(QLatin1Char('\n'));
    QString text = QStringLiteral("# X Y Z\n");
    for (auto it = electrodes.constBegin(); it != electrodes.constEnd(); ++it) {
        text += QString::number(it.key()) + blank + coordinate(it.value().x) + blank
                + coordinate(it.value().y) + blank + coordinate(it.value().z) + lineFeed;
    }
    text += QStringLiteral("# A B M N\n");
    int row = 1;
    for (const woxQuadripole &q : quadripoles) {
        // B and N never hold a remote electrode in what the reader produces.
        const QString a = q.a == woxRemoteCurrentElectrode ? QStringLiteral("0")
                                                           : QString::number(q.a + 1);
        const QString m = q.m == woxRemotePotentialElectrode ? QStringLiteral("0")
                                                             : QString::number(q.m + 1);
        text += QString::number(row++) + blank + a + blank + QString::number(q.b + 1) + blank
                + m + blank + QString::number(q.n + 1) + lineFeed;
    }
    return text;
}
