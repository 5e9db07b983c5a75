#pragma once

// Stands in for the desktop in the link tests: records every web and
// e-mail link the program asks it to open.

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

class UrlRecorder : public QObject
{
    Q_OBJECT

  public:
    UrlRecorder()
    {
        QDesktopServices::setUrlHandler("http", this, "Open");
        QDesktopServices::setUrlHandler("mailto", this, "Open");
    }
    ~UrlRecorder() override
    {
        QDesktopServices::unsetUrlHandler("http");
        QDesktopServices::unsetUrlHandler("mailto");
    }
    QList<QUrl> opened;

  public slots:
    void Open(const QUrl &url) { opened.append(url); }
};
