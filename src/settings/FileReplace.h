#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file with data atomically (temporary file, sync, rename); with
// ownerOnly it ends readable by its owner only. A file that already holds
// exactly these bytes (and, with ownerOnly, no wider permissions) is left
// alone: a shutdown that changed nothing costs no sync. Throws TWriteError
// when the file cannot be written; the old file then stays as it was.
void ReplaceFile(const QString& path, const QByteArray& data, bool ownerOnly = false);
