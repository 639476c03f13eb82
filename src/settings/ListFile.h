#pragma once

#include <QString>
#include <QStringList>

// The word and ID list files: one UTF-8 entry per line.

// Lines may end with CR LF, LF or CR; an empty line is an empty entry, a line
// break at the very end adds none, and zero bytes are left out. A missing
// file reads as an empty list.
QStringList ReadListFile(const QString& path);

// Every entry followed by CR LF; an empty list is an empty file. A first
// entry that begins with U+FEFF gets the byte-order mark in front. The file is
// replaced atomically; throws TWriteError when it cannot be written.
void WriteListFile(const QString& path, const QStringList& list);
