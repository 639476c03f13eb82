#pragma once

#include <QStringList>

#include "NotifySound.h"

// A sound output that records the files it is asked to play.
class TRecordingSound final : public TSoundOutput {
public:
    explicit TRecordingSound(QStringList& played) : Played(played) {}
    void Play(const QString& path) override { Played.append(path); }

private:
    QStringList& Played;
};
