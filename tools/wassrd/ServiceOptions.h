#pragma once

#include <optional>

#include <QString>
#include <QStringList>

// Everything the command line can set.
struct TServiceOptions final {
    int Port = 0; // 0 lets the system pick a free port
    QString User = QStringLiteral("demo");
    QString Password = QStringLiteral("demo");
    double SecondsPerStatus = 20.0; // 0 stops new statuses from appearing
    int Initial = 30;
    quint32 Seed = 1;
    int FaultRate = 0;   // percent of main requests that fail at random
    int HostileRate = 0; // percent of new statuses with hostile rids and texts
    int HourlyLimit = 150;
    QByteArray VersionText = "0.52\r\n";
};

// Parses the arguments (without the program name). On failure returns nothing and sets error.
std::optional<TServiceOptions> ParseServiceOptions(const QStringList& args, QString& error);

// The usage text printed for --help and after a bad argument.
QString ServiceUsage();
