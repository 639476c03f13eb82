#include "WriteError.h"

#include <QDir>

TWriteError::TWriteError(const QString& path, const QString& reason)
    : std::runtime_error(QStringLiteral("%1 に書き込めません: %2")
                             .arg(QDir::toNativeSeparators(path), reason)
                             .toStdString()),
      FilePath(path), SystemReason(reason) {}
