#ifndef WOXTEMPLATEMENUWIDGET_H
#define WOXTEMPLATEMENUWIDGET_H

#include "ui_mTemplateMenuWidget.h"

#include <QString>
#include <QWidget>

class woxERTTemplateWidget;
class woxTemplateWidget;

// The TEMPLATES page: a new template, a stored one, or a Varnex text
// template, each opened in its editor inside the page in place of the three
// buttons. At most one editor is open; its close brings the buttons back.
class woxTemplateMenuWidget : public QWidget, public Ui::mTemplateMenuWidget
{
    Q_OBJECT

public:
    explicit woxTemplateMenuWidget(QWidget *parent = nullptr);
    ~woxTemplateMenuWidget() override;

    // The open editors, or nullptr.
    woxTemplateWidget *templateEditor() const { return templateWidget; }
    woxERTTemplateWidget *varnexEditor() const { return ertTemplateWidget; }

public slots:
    void onTranslate();
    void onTemplateCreate();
    void onTemplateLoad();
    void onERTTemplateLoad();
    void onTemplateClose();

private:
    void openTemplateWidget(const QString &path);
    void openERTTemplateWidget(const QString &path);
    void setMenuVisible(bool visible);
    void showNotFound(const QString &directory);

    woxTemplateWidget *templateWidget = nullptr;
    woxERTTemplateWidget *ertTemplateWidget = nullptr;
};

#endif
