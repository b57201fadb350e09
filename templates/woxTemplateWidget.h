#ifndef WOXTEMPLATEWIDGET_H
#define WOXTEMPLATEWIDGET_H

#include "ui_mTemplateWidget.h"

#include "woxQuadripole.h"
#include "woxTemplateDataModel.h"
#include "woxTemplatePlot.h"
#include "woxTemplateTableView.h"

#include <QString>
#include <QWidget>

#include <memory>

class woxCableConfigDialog;
class woxSignalWidget;

// The editor of one measurement template: the arrangement and actions on
// "General", the spacing x level grid of the current set on "Setup" and its
// quadripoles on "Graphics". A quadripole picked on the plot opens the signal
// window in place of the tabs; Close asks before unsaved changes are lost.
class woxTemplateWidget : public QWidget, public Ui::mTemplateWidget
{
    Q_OBJECT

public:
    explicit woxTemplateWidget(QWidget *parent = nullptr);
    ~woxTemplateWidget() override;

    // A stored template (full path) or, for the empty path, a new one.
    bool loadFile(const QString &path);

    // What the screen holds, for the menu and for checks.
    const QString &templateName() const { return name; }
    woxTemplateDataModel &templateModel() { return model; }
    woxTemplatePlot &templatePlot() { return plot; }
    woxSignalWidget *signalWindow() const { return signalWidget; }

signals:
    void sendTemplateClose();

public slots:
    void onTranslate();
    void onGrounding();
    void onArrangement();
    void onSave();
    void onClose();
    void onEstimate();
    void onTabChange(int tabIndex);
    void onSignalWidgetOpen(woxQuadripole quadripole);
    void onSignalWidgetClose();

private:
    void makeConnections();
    void setUpCaptions();
    bool openCableDialog();

    QString name;
    woxTemplateTableView gridView;
    woxTemplateDataModel model;
    woxTemplatePlot plot;
    std::unique_ptr<woxCableConfigDialog> cableDialog;
    woxSignalWidget *signalWidget = nullptr;
};

#endif
