#pragma once

#include <QString>

#include "Files.h"

// Where the window keeps its files: the settings and list files share the
// program's path without extension, the rest lives in the program's folder.
// Tests point both at a scratch folder.
struct TProgramFiles {
    QString Folder = ProgramFolder();
    QString BasePath = ProgramBasePath();

    QString IniFileName() const { return BasePath + QStringLiteral(".ini"); }
    QString ShortcutFileName() const { return Folder + QStringLiteral("/shortcut.ini"); }
    QString BlankPageFileName() const { return Folder + QStringLiteral("/default.html"); }
};
