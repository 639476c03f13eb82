#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Runs programs as the ordinary user "nobody" (uid and gid 65534), the way an
// installed copy runs: none of the root's rights over files apply. Needs root
// and setpriv; Skipped() says why not when they are missing.
class TOrdinaryUser final {
public:
    static constexpr int Id = 65534;

    // Empty when programs can run as the user, else the reason they cannot.
    static QString Skipped();
    // Makes the path the user's own (and everything below it).
    static bool Own(const QString& path);
    // Lets everybody into the folder without letting them write.
    static bool OpenToAll(const QString& path);
    // Starts the program as the user with HOME and the given environment
    // (QT_QPA_PLATFORM and the desktop's variables left out unless given).
    static void Start(QProcess& process, const QString& program, const QString& home,
                      const QStringList& environment = {});
};
