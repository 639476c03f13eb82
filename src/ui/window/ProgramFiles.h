#pragma once

#include <QString>
#include <QStringList>

// Where the window keeps its files: the settings and list files share
// BasePath (the program's name without extension) in Folder, which also holds
// the shortcut file and the blank page. The sound sets are the sub-folders of
// SoundFolders, looked at in order. Tests point them at a scratch folder.
struct TProgramFiles {
    QString Folder;
    QString BasePath;
    QStringList SoundFolders;

    QString IniFileName() const { return BasePath + QStringLiteral(".ini"); }
    QString ShortcutFileName() const { return Folder + QStringLiteral("/shortcut.ini"); }
    QString BlankPageFileName() const { return Folder + QStringLiteral("/default.html"); }
};

// The files of the program at programPath. They live beside it while its
// folder can be written (a copy of its own, the demo); in configFolder, made
// for its owner alone when missing, when it cannot be written or when the
// program is installed (its data folder ../share/quorbel is there), so that
// no one, root included, writes settings into an install. Sound sets come
// from beside the program, then from the data folder's sound.
TProgramFiles ProgramFilesFor(const QString& programPath, const QString& configFolder);
