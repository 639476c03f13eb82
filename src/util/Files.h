#pragma once

#include <optional>

#include <QString>
#include <QStringList>

// Full paths of the folder's entries whose names do not begin with "."; the
// list is left as it was when the folder is missing.
void ListFolderEntries(const QString& folder, QStringList& list);

// Where an installed program keeps the user's settings: $XDG_CONFIG_HOME/quorbel,
// else ~/.config/quorbel.
QString UserConfigFolder();

// Writes the whole file atomically (temporary file, then rename); an owner-only
// file when ownerOnly is set. When anything fails the old file stays and the
// result is the system's reason (for example "No space left on device").
std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& data,
                                           bool ownerOnly = false);
