#pragma once

#include <QString>
#include <QStringList>

// Where notification sounds go: the window plays through Qt Multimedia, tests
// record the files.
class TSoundOutput {
public:
    virtual ~TSoundOutput() = default;
    // Plays the file asynchronously, stopping a sound still playing.
    virtual void Play(const QString& path) = 0;
};

enum TSoundKind : int { SoundStatus = 0, SoundReply = 1, SoundMessage = 2 };

// The file of a kind in a sound set, <folder>/<set>/<name>.wav, from the
// first of the sound folders that holds it; empty for an unknown kind or
// when none does.
QString NotifySoundPath(const QStringList& soundFolders, int kind, const QString& set);

// Plays the sound of the kind when its file exists; nothing otherwise.
void PlayNotifySound(TSoundOutput& output, const QStringList& soundFolders, int kind,
                     const QString& set);

// The names of the sound sets in the sound folders, each once, in folder order.
QStringList SoundSetNames(const QStringList& soundFolders);
