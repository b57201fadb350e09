#include "woxUpdateWidget.h"

#include "woxConstants.h"
#include "woxDiagnostic.h"
#include "woxTranslator.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCryptographicHash>
#include <QDataStream>
#include <QFileInfo>
#include <QNetworkReply>
#include <QTextStream>
#include <QTimer>
#include <QUrl>

#include <cmath>

namespace {

const QString className = QStringLiteral("woxUpdateWidget");
const QString lastFileName = QStringLiteral("woxLast");

void closeWindowAndQuit(QWidget *screen)
{
    // The window's own close handling shuts the program down in order.
    if (screen->window()->close())
        QCoreApplication::quit();
}

woxUpdateWidget::QuitHook quitHook;

} // namespace

woxUpdateWidget::woxUpdateWidget(QWidget *parent)
    : QWidget(parent)
    , stage(false)
    , downloadFileDevice(tmpDir + downloadFileName)
{
    setupUi(this);
    downloadPushButton->setEnabled(false);
    downloadPushButton->hide();
    progressBar->hide();
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate, this,
            &woxUpdateWidget::onTranslate);
    connect(downloadPushButton, &QPushButton::clicked, this, &woxUpdateWidget::onDownload);
    onTranslate();
    checkUpdate();
}

woxUpdateWidget::~woxUpdateWidget()
{
    if (reply) {
        reply->disconnect(this);
        reply->abort();
    }
}

void woxUpdateWidget::setQuitHook(const QuitHook &hook)
{
    quitHook = hook;
}

void woxUpdateWidget::onTranslate()
{
    groupBox->setTitle(tr("Update"));
    downloadPushButton->setText(tr("Download, install, restart"));
    closePushButton->setText(tr("Close"));
}

QString woxUpdateWidget::serverName() const
{
    QFile file(systemDir + QStringLiteral("auxServer"));
    if (file.open(QIODevice::ReadOnly)) {
        QDataStream stream(&file);
        stream.setVersion(QDataStream::Qt_4_8);
        QString host;
        stream >> host;
        if (stream.status() == QDataStream::Ok && !host.isEmpty())
            return host;
    }
    return defaultFtpHost;
}

QUrl woxUpdateWidget::serverFile(const QString &name) const
{
    return QUrl(QStringLiteral("ftp://%1/").arg(serverName()) + dataRootName + name);
}

void woxUpdateWidget::checkUpdate()
{
    stage = false;
    expectedMd5.clear();
    if (!downloadFile(serverFile(QStringLiteral("/info.wox"))))
        messageLabel->setText(tr("System error"));
}

void woxUpdateWidget::onDownload()
{
    downloadPushButton->setEnabled(false);
    progressBar->show();
    stage = true;
    if (!downloadFile(serverFile(QStringLiteral("/release.wox"))))
        messageLabel->setText(tr("System error"));
}

bool woxUpdateWidget::downloadFile(const QUrl &url)
{
    if (!url.isValid()) {
        woxDiagnostic::error(className, QStringLiteral("downloadFile url is invalid"));
        return false;
    }
    if (url.scheme() != QLatin1String("ftp")) {
        woxDiagnostic::error(className, QStringLiteral("downloadFile url must start with 'ftp'"));
        return false;
    }
    if (url.path().isEmpty()) {
        woxDiagnostic::error(className, QStringLiteral("downloadtFile url has no path"));
        return false;
    }
    if (!downloadFileDevice.open(QIODevice::WriteOnly))
        return false;

    QUrl withLogin(url);
    withLogin.setUserName(ftpUserName);
    withLogin.setPassword(ftpPassword);
    reply = network.get(QNetworkRequest(withLogin));
    connect(reply, &QNetworkReply::metaDataChanged, this, &woxUpdateWidget::onMetaDataChanged);
    connect(reply, &QNetworkReply::readyRead, this, &woxUpdateWidget::onReadyRead);
    connect(reply, &QNetworkReply::downloadProgress, this,
            &woxUpdateWidget::onDataTransferProgress);
    connect(reply, &QNetworkReply::finished, this, &woxUpdateWidget::onFinished);
    messageLabel->setText(tr("Connecting to server..."));
    return true;
}

void woxUpdateWidget::onMetaDataChanged()
{
    // The size of the file has arrived: the transfer itself begins.
    messageLabel->setText(tr("Downloading..."));
}

void woxUpdateWidget::onReadyRead()
{
    downloadFileDevice.write(reply->readAll());
}

void woxUpdateWidget::onDataTransferProgress(qint64 trans, qint64 total)
{
    // The transfer reports a total of 0 (or -1, unknown) before the size is
    // known; there is nothing to show then.
    if (total <= 0)
        return;
    const double percent = qBound(0.0, double(trans) / double(total) * 100.0, 100.0);
    progressBar->setValue(int(std::floor(percent + 0.5)));
}

void woxUpdateWidget::onFinished()
{
    messageLabel->setText(tr("Closing..."));
    QNetworkReply *finished = reply;
    reply = nullptr;
    finished->deleteLater();
    downloadFileDevice.write(finished->readAll());
    downloadFileDevice.close();
    // The manager would keep the logged-in connection for later requests;
    // the server is left at the end of each transfer.
    network.clearConnectionCache();
    if (finished->error() != QNetworkReply::NoError) {
        messageLabel->setText(tr("Network error") + QStringLiteral("\n(")
                              + withoutCredentials(finished->errorString()) + QStringLiteral(")"));
        return;
    }
    if (stage)
        installRelease();
    else
        checkInfo();
}

QString woxUpdateWidget::withoutCredentials(QString text) const
{
    // The transfer's error texts quote the whole URL, login included.
    text.remove(ftpUserName + QLatin1Char(':') + ftpPassword + QLatin1Char('@'));
    text.remove(ftpUserName + QLatin1Char('@'));
    text.remove(ftpPassword);
    text.remove(QString::fromLatin1(QUrl::toPercentEncoding(ftpPassword)));
    // Some texts break their line; the reason stays on the message's second line.
    return text.simplified();
}

void woxUpdateWidget::checkInfo()
{
    if (!downloadFileDevice.open(QIODevice::ReadOnly)) {
        messageLabel->setText(tr("System error"));
        return;
    }
    int version = 0;
    {
        QTextStream stream(&downloadFileDevice);
        stream >> version >> expectedMd5;
    }
    downloadFileDevice.close();
    QFile::remove(tmpDir + downloadFileName);
    if (version > programVersion) {
        messageLabel->setText(tr("Update is available"));
        downloadPushButton->show();
        downloadPushButton->setEnabled(true);
    } else {
        messageLabel->setText(tr("There is no update yet"));
    }
}

void woxUpdateWidget::installRelease()
{
    if (!downloadFileDevice.open(QIODevice::ReadOnly)) {
        messageLabel->setText(tr("Downloaded update is corrupted"));
        return;
    }
    const QByteArray content = downloadFileDevice.readAll();
    downloadFileDevice.close();
    const QString md5 = QString::fromLatin1(
        QCryptographicHash::hash(content, QCryptographicHash::Md5).toHex());
    if (md5 != expectedMd5) {
        messageLabel->setText(tr("Downloaded update is corrupted"));
        return;
    }
    // A package left from an earlier update would block the rename; an
    // instrument that restarts without its package is not updated.
    const QString last = tmpDir + lastFileName;
    if (QFileInfo::exists(last) && !QFileInfo(last).isDir())
        QFile::remove(last);
    if (!QFile::rename(tmpDir + downloadFileName, last)) {
        messageLabel->setText(tr("System error"));
        return;
    }
    closePushButton->setEnabled(false);
    messageLabel->setText(tr("Restarting..."));
    // A named child, so that the delay can be found and checked.
    auto *restart = new QTimer(this);
    restart->setObjectName(QStringLiteral("restartTimer"));
    restart->setSingleShot(true);
    connect(restart, &QTimer::timeout, this, &woxUpdateWidget::onRestartTimeout);
    restart->start(restartDelayMs);
}

void woxUpdateWidget::onRestartTimeout()
{
    if (quitHook)
        quitHook(this);
    else
        closeWindowAndQuit(this);
}

void woxUpdateWidget::closeEvent(QCloseEvent *event)
{
    // A transfer still running must not write into "download" or install a
    // package once the screen has been left.
    if (reply) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
        reply = nullptr;
    }
    downloadFileDevice.close();
    QFile::remove(tmpDir + downloadFileName);
    emit sendUpdateWidgetClose();
    event->accept();
}
