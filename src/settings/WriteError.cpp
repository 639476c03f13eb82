#include "WriteError.h"

#include <QDir>

TWriteError::TWriteError(const QString& path)
    : std::runtime_error(
          QStringLiteral("%1 に書き込めません").arg(QDir::toNativeSeparators(path)).toStdString()),
      FilePath(path) {}
