#pragma once

#include <QString>

class TQuorbelPrefs;

// What a worker reads of the settings, copied on the UI thread when the worker
// is made, so the worker never reads the live settings while the UI writes them.
struct TRequestSettings {
    QString Username;
    QString Password;
    bool UseProxy = false;
    QString ProxyServer;
    int ProxyPort = 0;
    QString ProxyUser;
    QString ProxyPass;
    bool UsePOSTMethod = false;
    bool EnableConvertTinyURL = false;
    bool EnableDisplayIcon = false;
    QString ApiURL;
    QString TwitterApiURL;
    QString ShortURLPrefix;
    QString MakerURL;

    static TRequestSettings FromPrefs(const TQuorbelPrefs& prefs);
};
