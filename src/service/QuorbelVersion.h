#pragma once

#include <QByteArray>
#include <QString>

#include "Worker.h"

// Reads the version file from the maker's site.
class TQuorbelVersion final : public TWorkerOf<TQuorbelVersion> {
public:
    explicit TQuorbelVersion(TRequestSettings prefs) : TWorkerOf(std::move(prefs)) {}

    // "0" until a download succeeds, which never announces an update.
    QString Version = QStringLiteral("0");

    // The file's content without the bytes of code 32 or less at both ends.
    static QString VersionFromFile(const QByteArray& content);

protected:
    void Execute() override;
};
