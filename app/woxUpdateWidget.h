#ifndef WOXUPDATEWIDGET_H
#define WOXUPDATEWIDGET_H

#include "ui_mUpdateWidget.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QWidget>

#include <functional>

class QNetworkReply;
class QUrl;

// The update screen of the system menu. It fetches the information file from
// the update server at once and offers the release package when the server
// has a newer version than this program. A package whose MD5 digest matches
// is handed over as "woxLast" in the tmp directory, and the program ends
// three seconds later through the quit hook.
//
// Server files live under "/<data root>/" of the FTP host named in the
// system directory's "auxServer" file (a host or "host:port"), or of the
// default update host.
class woxUpdateWidget : public QWidget, public Ui::mUpdateWidget
{
    Q_OBJECT

public:
    explicit woxUpdateWidget(QWidget *parent = nullptr);
    ~woxUpdateWidget() override;

    // Ends the program after a verified download; given the screen. The
    // default closes the screen's window (the main window, whose close
    // handling saves the options and stops the worker) and then ends the
    // event loop. Tests install their own; an empty hook restores it.
    typedef std::function<void(QWidget *)> QuitHook;
    static void setQuitHook(const QuitHook &hook);

    static const int restartDelayMs = 3000;

signals:
    // Last step of the close handling; the owner disposes of the screen on it.
    void sendUpdateWidgetClose();

public slots:
    void onTranslate();
    void onDownload();
    void onDataTransferProgress(qint64 trans, qint64 total);
    void closeEvent(QCloseEvent *event) override;

private slots:
    void onReadyRead();
    void onMetaDataChanged();
    void onFinished();
    void onRestartTimeout();

private:
    QString serverName() const;
    QUrl serverFile(const QString &name) const;
    void checkUpdate();
    bool downloadFile(const QUrl &url);
    void checkInfo();
    void installRelease();
    QString withoutCredentials(QString text) const;

    bool stage;   // false: information file, true: release package
    QFile downloadFileDevice;
    QNetworkAccessManager network;
    QPointer<QNetworkReply> reply;
    QString expectedMd5;
};

#endif
