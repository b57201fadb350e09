#ifndef WOXSESSIONMODEDIALOG_H
#define WOXSESSIONMODEDIALOG_H

#include "ui_mSessionModeDialog.h"

#include <QDialog>

// Asks whether a new session covers the whole template ("Full", accepted)
// or continues the line by a cable segment of 32, 16 or 8 electrodes
// ("Append", rejected, also on Escape).
class woxSessionModeDialog : public QDialog, public Ui::mSessionModeDialog
{
    Q_OBJECT

public:
    explicit woxSessionModeDialog(QWidget *parent = nullptr);
    ~woxSessionModeDialog() override;

    // The first electrode the generator is to place for the dialog's
    // result: 0 for the whole line, otherwise the start of the appended
    // segment at the far end of the 64 electrodes.
    quint16 segmentStart(int result) const;
    static quint16 segmentStart(int result, const QString &segment);

public slots:
    void onTranslate();
};

#endif
