#pragma once

#include <QSoundEffect>

#include "NotifySound.h"

// Plays notification sounds through Qt Multimedia. It lives in the sound
// module, which the program loads when the first sound plays (see
// TLazySoundOutput), so a start never pays for the audio libraries.
class TQtSoundOutput final : public TSoundOutput {
public:
    void Play(const QString& path) override;

private:
    QSoundEffect Effect;
};

// The module's entry: a new output, owned by the caller.
extern "C" Q_DECL_EXPORT TSoundOutput* QuorbelMakeSoundOutput();
