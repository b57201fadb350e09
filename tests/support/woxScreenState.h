#ifndef WOXSCREENSTATE_H
#define WOXSCREENSTATE_H

#include <QString>

class QWidget;

// What the operator sees of the named children of `root` (names separated by
// spaces), as one line "name:value | name:value ...", so that a step of a
// screen's flow is one row of a table. '!' before a name: disabled; '~': not
// visible within root; '*' after a button's text: checked. Values: the text of
// a label, button, line edit or text view, a combo box's current text, the
// value of a slider, dial, spin box or progress bar; a widget whose palette
// was set adds {text colour/background colour}, one with its own style sheet
// adds {style sheet}. A name that is not found shows as "name?".
QString woxScreenState(const QWidget *root, const QString &names);

#endif
