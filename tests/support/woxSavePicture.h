#ifndef WOXSAVEPICTURE_H
#define WOXSAVEPICTURE_H

#include <QString>

class QWidget;

// Saves what `widget` shows, its layouts settled as the event loop settles them before painting, as the picture
// `name`: in the folder WOX_SCREENSHOT_DIR names (docs/ for tools/make-docs-pictures.sh), else in the test's private
// folder, never in the folder the test was started from.
bool woxSavePicture(QWidget *widget, const QString &name);

#endif
