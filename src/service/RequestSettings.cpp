#include "RequestSettings.h"

#include "QuorbelPrefs.h"

TRequestSettings TRequestSettings::FromPrefs(const TQuorbelPrefs& prefs) {
    return {
        .Username = prefs.Username,
        .Password = prefs.Password,
        .UseProxy = prefs.UseProxy,
        .ProxyServer = prefs.ProxyServer,
        .ProxyPort = prefs.ProxyPort,
        .ProxyUser = prefs.ProxyUser,
        .ProxyPass = prefs.ProxyPass,
        .UsePOSTMethod = prefs.UsePOSTMethod,
        .EnableConvertTinyURL = prefs.EnableConvertTinyURL,
        .EnableDisplayIcon = prefs.EnableDisplayIcon,
        .ApiURL = prefs.Server.ApiURL,
        .TwitterApiURL = prefs.Server.TwitterApiURL,
        .ShortURLPrefix = prefs.Server.ShortURLPrefix,
        .MakerURL = prefs.Server.MakerURL,
    };
}
