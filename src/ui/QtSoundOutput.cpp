#include "QtSoundOutput.h"

#include <QSoundEffect>
#include <QUrl>

TQtSoundOutput::TQtSoundOutput() = default;
TQtSoundOutput::~TQtSoundOutput() = default;

void TQtSoundOutput::Play(const QString& path) {
    if (!Effect)
        Effect = std::make_unique<QSoundEffect>();
    Effect->stop();
    // A missing device or an unreadable file stays silent; QSoundEffect reports
    // nothing the program has to act on.
    Effect->setSource(QUrl::fromLocalFile(path));
    Effect->play();
}
