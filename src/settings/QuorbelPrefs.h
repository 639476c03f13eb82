#pragma once

#include <array>
#include <functional>
#include <vector>

#include <QString>
#include <QStringList>

#include "ColorText.h"
#include "FontDesc.h"
#include "FormPlacement.h"
#include "Names.h"
#include "ServerEndpoints.h"

class TIniFile;

// Every user setting of the program, one public field per INI key, named after
// the key. A fresh object holds the defaults; LoadFromIni fills it from the
// settings file and the eleven list files, SaveToIni writes it back.
// Only the UI thread writes it; workers take a copy of what they read.
class TQuorbelPrefs final {
public:
    // iniFileName: the settings file. listBasePath: the list files are this
    // path + ".ban", ".pic" + IndexSuffix(i) and ".fav" + IndexSuffix(i).
    TQuorbelPrefs(QString iniFileName, QString listBasePath);

    QString IniFileName() const { return IniPath; }
    QString ListBasePath() const { return ListBase; }
    QString NGWordFileName() const;
    QString PickupFileName(int i) const;
    QString FavIDFileName(int i) const;

    // Fills every field from the settings file and the list files; a missing
    // file, section or key leaves the default, a missing list file an empty list.
    void LoadFromIni();
    // Writes every field but Zedadi and the server hosts, and all eleven list
    // files. Throws TWriteError ("<path> に書き込めません: <reason>", the settings file's
    // failure first) when a file cannot be written; that file is then left
    // as it was, and the others are written all the same.
    void SaveToIni();
    // Writes the eleven list files, as confirming the preferences does.
    // Throws TWriteError for the first file that cannot be written; the
    // others are written all the same.
    void SaveLists() const;

    // The placement keys of the given section (the form's name). Keys that are
    // present override the fields; the others keep the values passed in.
    void LoadFormPlacement(TFormPlacement& placement, const QString& section) const;
    // Writes WinState and the bounds. Throws TWriteError.
    void SaveFormPlacement(const TFormPlacement& placement, const QString& section) const;

    // One key each: every call opens the settings file, performs its access
    // and closes it. The writes throw TWriteError.
    bool ReadIniBool(const QString& section, const QString& key, bool def) const;
    int ReadIniInt(const QString& section, const QString& key, int def) const;
    QString ReadIniString(const QString& section, const QString& key, const QString& def) const;
    void WriteIniBool(const QString& section, const QString& key, bool value) const;
    void WriteIniInt(const QString& section, const QString& key, int value) const;
    void WriteIniString(const QString& section, const QString& key, const QString& value) const;

    QString Username;
    QString Password;
    int Interval = 60;
    bool EnableBalloon = true;
    bool UseProxy = false;
    QString ProxyUser;
    QString ProxyPass;
    int ProxyPort = 8080;
    QString ProxyServer;
    bool VisibleIcon = true;
    bool ShowUsername = false;
    bool EnableJapanize = false;
    bool AddQuorbelSign = true;
    bool MinimizeOnClose = true;
    bool MinimizeInTaskTray = true;
    bool TopMost = false;
    TFontDesc ListFont;
    QStringList NGWords;
    bool EnableSort = true;
    TColor ListReplyColor = 0x00FEF4E9;
    TColor ListStatusColor = 0x00E8FFE8;
    int ListDubbleClickMode = 0;
    TColor ListReplyToColor = 0x00C5EDFC;
    TColor ListReplyToTextColor = 0;
    TColor ListReplyTextColor = 0;
    TColor ListStatusTextColor = 0;
    bool EnableUpdateBlock = true;
    int StatusDiaplayHeight = 81;
    bool SndReply = false;
    bool SndStatus = false;
    bool SndMessage = false;
    bool EnableUnreadManager = false;
    int MesInterval = 600;
    bool EnableUpdateReload = false;
    bool UsePOSTMethod = false;
    bool FavMessage = false;
    bool EnableUpdateCheck = true;
    bool EnableConvertTinyURL = false;
    bool ReverseSort = false;
    bool EnableDisplayIcon = false;
    bool EnableAutoUpdate = true;
    int PanelLayout = 0;
    bool MinimizeOnCreate = false;
    bool PopupOnlyReplyToMe = false;
    bool PopupOnlyFavID = false;
    bool PopupOnlyPickup = false;
    int IDWidth = 100;
    bool AskAddFavorite = true;
    bool EnableP3Key = false;
    bool UpdateWithCTRL = false;
    bool Zedadi = false; // read only: never written
    QString QuorbelMark = QStringLiteral("*Qb*");
    bool EnableHeart = true;
    bool TabMultiLine = false;
    quint8 TabPosition = 0;
    bool VisibleTabIcon = false;
    bool VisibleTabSign = true;
    bool TaskIconNotify = false;
    QString SoundSet = QStringLiteral("Default");
    std::array<QStringList, NumberedTabCount> PickupWords;
    std::array<QStringList, NumberedTabCount> FavIDs;
    std::array<QString, NumberedTabCount> PickupLabel;
    std::array<QString, NumberedTabCount> FavIDLabel;
    std::array<bool, NumberedTabCount> PickupPopup{true, true, true, true, true};
    std::array<bool, NumberedTabCount> FavIDPopup{true, true, true, true, true};
    std::array<bool, TabCount> TabDisp;
    std::array<int, TabCount> TabIndex;

    // Read from [Server], never written.
    TServerEndpoints Server;

    // The default of TabDisp for the tab at position j of TabSheetNames.
    static bool DefaultTabDisp(int j);

    // Every field and both file names equal.
    bool operator==(const TQuorbelPrefs&) const = default;

private:
    void LoadLists();
    void AddListWrites(std::vector<std::function<void()>>& writes) const;

    QString IniPath;
    QString ListBase;
};
