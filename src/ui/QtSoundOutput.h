#pragma once

#include <memory>

#include "NotifySound.h"

class QSoundEffect;

// Plays notification sounds through Qt Multimedia. The effect is made on the
// first sound, so a program that never plays one never starts the audio stack.
class TQtSoundOutput final : public TSoundOutput {
public:
    TQtSoundOutput();
    ~TQtSoundOutput() override;

    void Play(const QString& path) override;

private:
    std::unique_ptr<QSoundEffect> Effect;
};
