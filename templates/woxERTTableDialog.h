#ifndef WOXERTTABLEDIALOG_H
#define WOXERTTABLEDIALOG_H

#include "ui_mERTTableDialog.h"

#include <QDialog>
#include <QStringList>

// Full-screen choice of one Varnex text template from the names the caller
// listed (shown unchanged, in the given order); run modally on the caller's
// stack.
class woxERTTableDialog : public QDialog, private Ui::mERTTableDialog
{
    Q_OBJECT

public:
    woxERTTableDialog(const QStringList &names, QWidget *parent = nullptr);

    // The current name; empty when there is no current item.
    QString selectedName() const;

    // The Varnex text templates on disk: files only, without hidden ones,
    // ".txt" in any case, in the order the folder gives them.
    static QStringList varnexNames();

public slots:
    void onTranslate();
};

#endif
