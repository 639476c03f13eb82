#pragma once

#include <QString>

// Where notification sounds go: the window plays through Qt Multimedia, tests
// record the files.
class TSoundOutput {
public:
    virtual ~TSoundOutput() = default;
    // Plays the file asynchronously, stopping a sound still playing.
    virtual void Play(const QString& path) = 0;
};

enum TSoundKind : int { SoundStatus = 0, SoundReply = 1, SoundMessage = 2 };

// The file of a kind in a sound set: <folder>/sound/<set>/<name>.wav; empty
// for an unknown kind.
QString NotifySoundPath(const QString& programFolder, int kind, const QString& set);

// Plays the sound of the kind when its file exists; nothing otherwise.
void PlayNotifySound(TSoundOutput& output, const QString& programFolder, int kind,
                     const QString& set);
