#ifndef WOXOPTIONSWIDGET_H
#define WOXOPTIONSWIDGET_H

#include "ui_mOptionsWidget.h"

#include "woxMeasureOptions.h"

#include <QPixmap>
#include <QWidget>

// The OPTIONS page: pulse and pause durations, stacking cycles, deviation
// threshold and transmitter level, kept in the settings store between runs.
// The first page built is registered; the static operations read the
// measurement settings from it at the moment of the call, so every request
// carries what the operator sees.
class woxOptionsWidget : public QWidget, public Ui::mOptionsWidget
{
    Q_OBJECT

public:
    explicit woxOptionsWidget(QWidget *parent = nullptr);
    ~woxOptionsWidget() override;

    // Reads the six stored choices into the controls (constructor only).
    void loadSettings();
    // Writes the six choices; called first by the main window's close event.
    void saveSettings();

    // The settings record from the registered page; the record's defaults
    // when no page is registered.
    static woxMeasureOptions measurementSettings();
    // One measurement at the minimum and at the maximum number of cycles, in
    // milliseconds; 0 and 0 when no page is registered.
    static void measurementDuration(int *minimum, int *maximum);
    // Locks (true) or frees the pause choice; the entry stays as it is.
    static void setPauseDisabled(bool disabled);
    // Makes current the pause entry that encodes to the stored pause code.
    // False, with the choice unchanged, when no entry (or no page) has it.
    static bool selectPause(const woxMeasureOptions &stored);

private slots:
    void onTranslate();
    void onTransmitterLabelUpdate(int percent);
    void onMinStackingUpdate(int value);
    void onMaxStackingUpdate(int value);
    void onPulseInfoUpdate();
    void onDecMinStacking();
    void onIncMinStacking();
    void onDecMaxStacking();
    void onIncMaxStacking();

private:
    void fillLists();
    void makeConnections();

    QPixmap resistivityPositive;
    QPixmap resistivityNegative;
    QPixmap ipPositive;
    QPixmap ipNegative;

    static woxOptionsWidget *registered;
};

#endif
