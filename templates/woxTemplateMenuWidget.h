#ifndef WOXTEMPLATEMENUWIDGET_H
#define WOXTEMPLATEMENUWIDGET_H

#include <QWidget>

// The TEMPLATES page of the main window (new, stored and Varnex templates).
// An empty page until the template menu is built.
class woxTemplateMenuWidget : public QWidget
{
    Q_OBJECT

public:
    explicit woxTemplateMenuWidget(QWidget *parent = nullptr);
};

#endif
