#ifndef WOXSTYLESHEET_H
#define WOXSTYLESHEET_H

#include <QString>

class QWidget;

// The screens' shared look comes from style sheets in the resource tree
// (":/system/system/vScrollBar.qss" and the like). A sheet is Latin-1 text;
// a resource that does not open leaves the widget's own style alone.
class woxStyleSheet
{
public:
    // The sheet's text, or an empty string when the resource does not open.
    static QString read(const QString &resource);
    // Sets the sheet on the widget when the resource opens; true when it did.
    static bool apply(QWidget *widget, const QString &resource);
};

#endif
