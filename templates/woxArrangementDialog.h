#ifndef WOXARRANGEMENTDIALOG_H
#define WOXARRANGEMENTDIALOG_H

#include "ui_woxArrangementDialog.h"
#include "woxTypes.h"

#include <QDialog>

// Edits a template's arrangement: 1 or 2 cables and the electrode spacing in
// decimetre steps from 0.1 m to 10.0 m. The widgets are the only state: the
// cable count is the combo box text, the spacing the slider in decimetres.
class woxArrangementDialog : public QDialog, public Ui_mArrangementDialog
{
    Q_OBJECT

public:
    explicit woxArrangementDialog(QWidget *parent = nullptr);

    void setCables(woxCable n);
    void setCableSpacing(woxCableSpacing metres);
    woxCable cables() const;
    woxCableSpacing cableSpacing() const;

public slots:
    void onTranslate();
    void onCableSpacingLabelUpdate(int dm);
    void onIncCableSpacing();
    void onDecCableSpacing();
};

#endif
