#include "woxERTLoader.h"

#include "woxDiagnostic.h"

#include <QFile>
#include <QTextStream>

#include <cmath>

namespace {

// Larger magnitudes are never a valid electrode; past it digits are only
// consumed, so no written number can wrap round to a valid one.
const qint64 integerCeiling = Q_INT64_C(1000000000000);

// An integer field as read and the text to show for it in a message.
struct woxIntegerField
{
    qint64 value = 0;
    QString shown = QStringLiteral("0");
};

// The fields of one line in the text stream's default number syntax: reals
// in the C locale, integers with automatic base ("0x" hexadecimal, "0b"
// binary, a leading 0 and an octal digit octal, otherwise decimal). Integers
// are read wide instead of into 16 bits, so "65537" and "-1" keep their
// values and are refused by the range checks rather than read as 1 and
// 65535. A field that is not a number reads as 0, and so does every later
// field of the line.
class woxLineFields
{
public:
    explicit woxLineFields(const QString &line)
        : text(line)
    {
    }

    woxIntegerField integer()
    {
        woxIntegerField field;
        skipSpace();
        const int start = pos;
        bool overflow = false;
        if (failed || !readInteger(&field.value, &overflow)) {
            failed = true;
            return woxIntegerField();
        }
        // A value beyond the ceiling is shown as written, digits and all.
        field.shown = overflow ? text.mid(start, pos - start) : QString::number(field.value);
        return field;
    }

    float real()
    {
        if (failed)
            return 0.0f;
        QString rest = text.mid(pos);
        QTextStream stream(&rest, QIODevice::ReadOnly);
        float value = 0.0f;
        stream >> value;
        if (stream.status() != QTextStream::Ok) {
            failed = true;
            return 0.0f;
        }
        pos += int(stream.pos());
        return value;
    }

private:
    void skipSpace()
    {
        while (pos < text.size() && text.at(pos).isSpace())
            ++pos;
    }

    static int digitValue(QChar c, int base)
    {
        int digit = -1;
        if (base == 10) {
            digit = c.isDigit() ? c.digitValue() : -1;
        } else {
            const ushort u = c.toLower().unicode();
            if (u >= '0' && u <= '9')
                digit = u - '0';
            else if (u >= 'a' && u <= 'f')
                digit = u - 'a' + 10;
        }
        return digit < base ? digit : -1;
    }

    // Digits in `base` from pos on; false when there is none.
    bool readDigits(int base, qint64 *value, bool *overflow)
    {
        int count = 0;
        int digit;
        while (pos < text.size() && (digit = digitValue(text.at(pos), base)) >= 0) {
            if (*value < integerCeiling)
                *value = *value * base + digit;
            else
                *overflow = true;
            ++pos;
            ++count;
        }
        return count > 0;
    }

    bool readInteger(qint64 *value, bool *overflow)
    {
        if (pos >= text.size())
            return false;
        const QChar first = text.at(pos);
        const QChar second = pos + 1 < text.size() ? text.at(pos + 1).toLower() : QChar();
        if (first == QLatin1Char('0') && (second == QLatin1Char('x') || second == QLatin1Char('b'))) {
            const int start = pos;
            pos += 2;
            if (readDigits(second == QLatin1Char('x') ? 16 : 2, value, overflow))
                return true;
            pos = start;
            return false;
        }
        if (first == QLatin1Char('0') && second >= QLatin1Char('0') && second <= QLatin1Char('7')) {
            ++pos;
            return readDigits(8, value, overflow);
        }
        bool negative = false;
        if (first == QLatin1Char('-') || first == QLatin1Char('+')) {
            negative = first == QLatin1Char('-');
            ++pos;
        }
        if (!readDigits(10, value, overflow))
            return false;
        if (negative)
            *value = -*value;
        return true;
    }

    QString text;
    int pos = 0;
    bool failed = false;
};

bool containsAll(const QString &line, const char *characters)
{
    for (const char *c = characters; *c; ++c) {
        if (!line.contains(QLatin1Char(*c), Qt::CaseInsensitive))
            return false;
    }
    return true;
}

// Electrode-section numbers of the file count from 1; 0 in a row stands for
// the remote electrode, which the quadripoles keep in A and M.
void setPair(qint64 first, qint64 second, woxElectrode remote,
             woxElectrode *outFirst, woxElectrode *outSecond)
{
    if (first == 0) {
        *outFirst = remote;
        *outSecond = woxElectrode(second - 1);
    } else if (second == 0) {
        *outFirst = remote;
        *outSecond = woxElectrode(first - 1);
    } else {
        *outFirst = woxElectrode(first - 1);
        *outSecond = woxElectrode(second - 1);
    }
}

// The first failing check of a row, in the order the operator is told them.
QString rowError(const woxIntegerField electrode[4],
                               const QMap<woxElectrode, woxElectrodePosition> &electrodes)
{
    if (electrode[0].value == electrode[1].value)
        return woxERTLoader::tr("A and B electrodes have equal positions");
    if (electrode[2].value == electrode[3].value)
        return woxERTLoader::tr("M and N electrodes have equal positions");
    for (int i = 0; i < 4; ++i) {
        const qint64 value = electrode[i].value;
        if (value == 0)
            continue;
        if (value > 0 && value <= 0xFFFF && electrodes.contains(woxElectrode(value)))
            continue;
        // Both spellings are kept: translations are keyed by them.
        if (i < 3)
            return woxERTLoader::tr("Header does not contain electrode %1").arg(electrode[i].shown);
        return woxERTLoader::tr("Header does not contains electrode %1").arg(electrode[i].shown);
    }
    return QString();
}

} // namespace

bool woxERTLoader::load(const QString &fileName, QString *error,
                        QMap<woxElectrode, woxElectrodePosition> *electrodes,
                        QList<woxQuadripole> *quadripoles)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        woxDiagnostic::fileError(file.errorString());
        *error = tr("Can not open file for reading");
        return false;
    }
    QTextStream in(&file);
    // The file closes with `file` on every return.
    if (!containsAll(in.readLine(), "#XYZ")) {
        *error = tr("Can not find the beginning of header (# X Y Z)");
        return false;
    }
    if (!readElectrodes(in, error, electrodes))
        return false;
    return readRows(in, file, error, *electrodes, quadripoles);
}

bool woxERTLoader::readElectrodes(QTextStream &in, QString *error,
                                  QMap<woxElectrode, woxElectrodePosition> *electrodes)
{
    for (;;) {
        QString line = in.readLine();
        if (line.isEmpty()) {
            *error = tr("Electrodes section contains an empty line");
            return false;
        }
        if (containsAll(line, "#ABMN"))
            return true;
        line.replace(QLatin1Char(','), QLatin1Char('.'));
        woxLineFields fields(line);
        const woxIntegerField number = fields.integer();
        const float x = fields.real();
        const float y = fields.real();
        const float z = fields.real();
        if (number.value < 1 || number.value > 64) {
            *error = tr("Electrode number %1 is not supported").arg(number.shown);
            return false;
        }
        const woxElectrode key = woxElectrode(number.value);
        if (electrodes->contains(key)) {
            *error = tr("Electrode %1 appears more than once").arg(number.shown);
            return false;
        }
        // "nan", "inf" or a real beyond the float range would spread through
        // every position computed from the template.
        if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z)) {
            *error = tr("Electrode %1 has a coordinate that is not a finite number")
                         .arg(number.shown);
            return false;
        }
        electrodes->insert(key, woxElectrodePosition(x, y, z));
    }
}

bool woxERTLoader::readRows(QTextStream &in, QFile &file, QString *error,
                            const QMap<woxElectrode, woxElectrodePosition> &electrodes,
                            QList<woxQuadripole> *quadripoles)
{
    qint64 row = 1;
    woxQuadripole quadripole;
    for (;;) {
        const QString line = in.readLine();
        if (line.isEmpty()) {
            if (file.error() != QFileDevice::NoError) {
                woxDiagnostic::fileError(file.errorString());
                *error = tr("Can not read data from file");
                return false;
            }
            return true;
        }
        woxLineFields fields(line);
        fields.integer();   // the file's own row index is not used
        woxIntegerField electrode[4];
        for (woxIntegerField &field : electrode)
            field = fields.integer();
        const QString message = rowError(electrode, electrodes);
        if (!message.isEmpty()) {
            *error = message + QLatin1Char(' ') + tr("(row: %1)").arg(row);
            return false;
        }
        setPair(electrode[0].value, electrode[1].value, woxRemoteCurrentElectrode,
                &quadripole.a, &quadripole.b);
        setPair(electrode[2].value, electrode[3].value, woxRemotePotentialElectrode,
                &quadripole.m, &quadripole.n);
        quadripoles->append(quadripole);
        ++row;
    }
}
