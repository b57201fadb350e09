#ifndef WOXKEYBOARDDIALOG_H
#define WOXKEYBOARDDIALOG_H

#include "ui_woxKeyboardDialog.h"

#include <QDialog>

// Full-screen modal keyboard for typing a file name on the touch screen.
// Built on the caller's stack; after exec() returned Accepted the caller reads
// fileName() and adds its own directory and extension.
class woxKeyboardDialog : public QDialog, private Ui::mKeyboardDialog
{
    Q_OBJECT

public:
    woxKeyboardDialog(const QString &text, QWidget *parent = nullptr);
    ~woxKeyboardDialog() override;

    QString fileName() const;

public slots:
    void onTranslate();
    void enter();
    void backspace();
    // Shift is a toggle: it stays on until pressed again.
    void shift(bool pressed);
    void space();
    // Inserts the local date and time as "yy.MM.dd_hh.mm.ss".
    void time();
    void clear();
    void printA();
    void printB();
    void printC();
    void printD();
    void printE();
    void printF();
    void printG();
    void printH();
    void printI();
    void printJ();
    void printK();
    void printL();
    void printM();
    void printN();
    void printO();
    void printP();
    void printQ();
    void printR();
    void printS();
    void printT();
    void printU();
    void printV();
    void printW();
    void printX();
    void printY();
    void printZ();
    void print0();
    void print1();
    void print2();
    void print3();
    void print4();
    void print5();
    void print6();
    void print7();
    void print8();
    void print9();
    void printAp();
    void printMinus();
    void printEqual();
    void printDot();

private:
    void connectKeys();
    // Types the key's caption at the cursor of the input line.
    void type(const QPushButton *key);
    QString refusal() const;
};

#endif
