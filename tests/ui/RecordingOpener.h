#pragma once

#include <QStringList>
#include <QUrl>

#include "UrlOpener.h"

// Records the addresses the window would hand to the browser.
class TRecordingOpener final : public TUrlOpener {
public:
    explicit TRecordingOpener(QStringList& opened) : Opened(opened) {}

protected:
    bool Launch(const QUrl& url) override {
        Opened.append(url.toString());
        return true;
    }

private:
    QStringList& Opened;
};
