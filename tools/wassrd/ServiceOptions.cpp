#include "ServiceOptions.h"

#include <functional>
#include <map>

namespace {

// "\r", "\n", "\t" and "\\" in --version-text, so a test can serve any line ending.
QByteArray Unescape(const QString& text) {
    const QByteArray raw = text.toUtf8();
    QByteArray out;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size()) {
            const char next = raw[++i];
            switch (next) {
            case 'r':
                out += '\r';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            default:
                out += next;
            }
        } else {
            out += raw[i];
        }
    }
    return out;
}

bool ToInt(const QString& text, int low, int high, int& out) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return false;
    out = value;
    return true;
}

} // namespace

std::optional<TServiceOptions> ParseServiceOptions(const QStringList& args, QString& error) {
    TServiceOptions options;
    using TSetter = std::function<bool(const QString&)>;
    const std::map<QString, TSetter> setters{
        {"--port", [&](const QString& v) { return ToInt(v, 0, 65535, options.Port); }},
        {"--user",
         [&](const QString& v) {
             options.User = v;
             return !v.isEmpty() && !v.contains(':');
         }},
        {"--password",
         [&](const QString& v) {
             options.Password = v;
             return true;
         }},
        {"--rate",
         [&](const QString& v) {
             bool ok = false;
             options.SecondsPerStatus = v.toDouble(&ok);
             return ok && options.SecondsPerStatus >= 0;
         }},
        {"--initial", [&](const QString& v) { return ToInt(v, 0, 1000, options.Initial); }},
        {"--seed",
         [&](const QString& v) {
             bool ok = false;
             options.Seed = v.toUInt(&ok);
             return ok;
         }},
        {"--fault-rate", [&](const QString& v) { return ToInt(v, 0, 100, options.FaultRate); }},
        {"--hostile-rate", [&](const QString& v) { return ToInt(v, 0, 100, options.HostileRate); }},
        {"--hourly-limit",
         [&](const QString& v) { return ToInt(v, 1, 1000000, options.HourlyLimit); }},
        {"--version-text",
         [&](const QString& v) {
             options.VersionText = Unescape(v);
             return true;
         }},
    };
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString name = args[i];
        QString value;
        const qsizetype eq = name.indexOf('=');
        if (eq > 0) {
            value = name.mid(eq + 1);
            name.truncate(eq);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            error = QStringLiteral("missing value for %1").arg(name);
            return std::nullopt;
        }
        const auto setter = setters.find(name);
        if (setter == setters.end()) {
            error = QStringLiteral("unknown option %1").arg(name);
            return std::nullopt;
        }
        if (!setter->second(value)) {
            error = QStringLiteral("bad value for %1: %2").arg(name, value);
            return std::nullopt;
        }
    }
    return options;
}

QString ServiceUsage() {
    return QStringLiteral(
        "usage: wassrd [--port N] [--user U] [--password P] [--rate SECONDS_PER_NEW_STATUS]\n"
        "              [--initial N] [--seed N] [--fault-rate PERCENT] [--hourly-limit N]\n"
        "              [--hostile-rate PERCENT] [--version-text TEXT]\n"
        "Listens on 127.0.0.1 and prints the port on the first line.\n");
}
