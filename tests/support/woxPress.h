#ifndef WOXPRESS_H
#define WOXPRESS_H

#include <QString>

class QWidget;

// Clicks the button of that object name inside `root`. When there is none, the test fails with the name and,
// when `root` is a dialog, it is rejected so that its exec() returns and the test goes on to report.
bool woxPress(QWidget *root, const QString &name);

#endif
