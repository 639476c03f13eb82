#include "QtSoundOutput.h"

#include <QUrl>

void TQtSoundOutput::Play(const QString& path) {
    Effect.stop();
    // A missing device or an unreadable file stays silent; QSoundEffect reports
    // nothing the program has to act on.
    Effect.setSource(QUrl::fromLocalFile(path));
    Effect.play();
}

TSoundOutput* QuorbelMakeSoundOutput() {
    return new TQtSoundOutput;
}
