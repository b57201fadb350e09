#ifndef WOXELECTRODESTATE_H
#define WOXELECTRODESTATE_H

class QAbstractButton;
class QLabel;

// The grounding state of one electrode in the cable dialog (its resistance
// in kilo-ohms, -1.0 while not measured, and whether the operator switched
// it off) and its drawing into the electrode's cell. A copy shares the
// widgets, which belong to the form. GUI thread only.
class woxElectrodeState
{
public:
    // A wire cell: draws into the value label and the wire button.
    woxElectrodeState(QLabel *label, QAbstractButton *button);
    // A remote electrode: a label only; singleLine keeps "N / A" on one line.
    woxElectrodeState(QLabel *label, bool singleLine);

    void reset();
    // A resistance at or above the threshold has failed: switch it off.
    void disableIfAbove(float threshold);
    // Anything not above 0 (0, negative, NaN) means not measured.
    void setResistance(float value);
    float resistance() const;
    void toggle();
    void updateWidgets(float threshold) const;
    bool isMeasured() const;
    bool isDisabled() const;

private:
    static void loadPictures();

    float resistanceValue;
    bool disabled;
    bool singleLine;
    QAbstractButton *button;
    QLabel *label;
};

#endif
