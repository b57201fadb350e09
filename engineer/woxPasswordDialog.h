#ifndef WOXPASSWORDDIALOG_H
#define WOXPASSWORDDIALOG_H

#include "ui_mPasswordDialog.h"

#include <QDialog>

// The keypad in front of engineer mode. Every Enter closes it as accepted:
// a wrong or empty code is not refused but opens the most restricted
// engineer screen. Digits arrive only through the ten buttons.
class woxPasswordDialog : public QDialog, private Ui::mPasswordDialog
{
    Q_OBJECT

public:
    explicit woxPasswordDialog(QWidget *parent = nullptr);
    ~woxPasswordDialog() override;

    // 0 for the first access code, 1 for the second, 3 for anything else
    // (also before Enter). Read only after exec() returned Accepted.
    int accessLevel() const;

    // The level a typed code grants.
    static int levelOf(const QString &code);

public slots:
    void on0();
    void on1();
    void on2();
    void on3();
    void on4();
    void on5();
    void on6();
    void on7();
    void on8();
    void on9();
    void onEnter();
    void onTranslate();

private:
    void append(char digit);

    int level;
};

#endif
