#ifndef WOXOPTIONVALUES_H
#define WOXOPTIONVALUES_H

#include <QString>
#include <QtGlobal>

// The numbers the options page derives from its choices: the instrument's
// duration codes, the length of one measurement and the read-outs. Plain
// functions, so the arithmetic is checked without building the page.
class woxOptionValues
{
public:
    // An entry text read as a base-10 integer; anything else reads as 0.
    static int entryNumber(const QString &text);

    // The instrument's code of a duration in milliseconds: (ms - 40) / 20,
    // truncating toward zero, kept in 16 bits.
    static quint16 durationCode(quint16 milliseconds);
    // A pause of 20 ms or less means resistivity only (no IP decay).
    static bool ipEnabled(int pauseMilliseconds);
    // The pause's code, 0 when IP is off.
    static quint16 pauseCode(int pauseMilliseconds);

    // One measurement at `cycles` stacking cycles of pulse, pause, negative
    // pulse and pause, plus a fixed 305 ms, in milliseconds.
    static int measurementDuration(int pulseMilliseconds, int pauseMilliseconds, int cycles);

    // Cycle frequency in hertz with two decimals, e.g. "5.00".
    static QString frequencyText(int pulseMilliseconds, int pauseMilliseconds);

    // Transmitter output at a level in percent (clamped to 0..100), whole
    // volts, e.g. "153".
    static QString voltageText(int percent);
};

#endif
