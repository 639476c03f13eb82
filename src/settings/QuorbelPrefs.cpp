#include "QuorbelPrefs.h"

#include <functional>
#include <future>
#include <optional>
#include <span>
#include <type_traits>
#include <variant>
#include <vector>

#include <QFileInfo>

#include "FontIni.h"
#include "IniFile.h"
#include "ListFile.h"
#include "Password.h"
#include "WriteError.h"

namespace {

// A plain key of the settings file and the field it fills.
using TField = std::variant<QString TQuorbelPrefs::*, int TQuorbelPrefs::*, bool TQuorbelPrefs::*,
                            TColor TQuorbelPrefs::*>;
struct TKey {
    const char* Section;
    const char* Name;
    TField Field;
};

using P = TQuorbelPrefs;

// The plain keys, in the order of the file, in runs between the keys that
// need more than a read or a write.
const TKey AccountKeys[] = {
    {"Account", "Username", &P::Username},
};
const TKey UpdateKeys[] = {
    {"Update", "Interval", &P::Interval},
    {"Update", "EnableBalloon", &P::EnableBalloon},
    {"Proxy", "UseProxy", &P::UseProxy},
    {"Proxy", "ProxyUser", &P::ProxyUser},
};
const TKey ProxyAndWindowKeys[] = {
    {"Proxy", "ProxyServer", &P::ProxyServer},
    {"Proxy", "ProxyPort", &P::ProxyPort},
    {"Update", "VisibleIcon", &P::VisibleIcon},
    {"Account", "ShowUsername", &P::ShowUsername},
    {"Update", "EnableJapanize", &P::EnableJapanize},
    {"Update", "AddQuorbelSign", &P::AddQuorbelSign},
    {"Update", "EnableSort", &P::EnableSort},
    {"Windows", "MinimizeOnClose", &P::MinimizeOnClose},
    {"Windows", "MinimizeInTaskTray", &P::MinimizeInTaskTray},
    {"Windows", "TopMost", &P::TopMost},
};
const TKey ListKeys[] = {
    {"UI", "ListStatusColor", &P::ListStatusColor},
    {"UI", "ListReplyColor", &P::ListReplyColor},
    {"UI", "ListReplyToColor", &P::ListReplyToColor},
    {"UI", "ListStatusTextColor", &P::ListStatusTextColor},
    {"UI", "ListReplyTextColor", &P::ListReplyTextColor},
    {"UI", "ListReplyToTextColor", &P::ListReplyToTextColor},
    {"Windows", "ListDubbleClickMode", &P::ListDubbleClickMode},
    {"Update", "EnableUpdateBlock", &P::EnableUpdateBlock},
    {"Update", "EnableUnreadManager", &P::EnableUnreadManager},
    {"Windows", "StatusDiaplayHeight", &P::StatusDiaplayHeight},
    {"Sound", "SndStatus", &P::SndStatus},
    {"Sound", "SndReply", &P::SndReply},
    {"Sound", "SndMessage", &P::SndMessage},
    {"Sound", "SoundSet", &P::SoundSet},
    {"Update", "MesInterval", &P::MesInterval},
    {"Update", "EnableUpdateReload", &P::EnableUpdateReload},
    {"TaskTray", "TaskIconNotify", &P::TaskIconNotify},
};
const TKey TabKeys[] = {
    {"Tabs", "TabMultiLine", &P::TabMultiLine},
    {"Tabs", "VisibleTabIcon", &P::VisibleTabIcon},
    {"Tabs", "VisibleTabSign", &P::VisibleTabSign},
};
const TKey RemainingKeys[] = {
    {"Update", "UsePOSTMethod", &P::UsePOSTMethod},
    {"Update", "FavMessage", &P::FavMessage},
    {"Update", "EnableUpdateCheck", &P::EnableUpdateCheck},
    {"Update", "EnableConvertTinyURL", &P::EnableConvertTinyURL},
    {"Update", "ReverseSort", &P::ReverseSort},
    {"Update", "EnableDisplayIcon", &P::EnableDisplayIcon},
    {"Update", "EnableAutoUpdate", &P::EnableAutoUpdate},
    {"Update", "QuorbelMark", &P::QuorbelMark},
    {"Update", "EnableHeart", &P::EnableHeart},
    {"UI", "PanelLayout", &P::PanelLayout},
    {"Windows", "MinimizeOnCreate", &P::MinimizeOnCreate},
    {"UI", "PopupOnlyReplyToMe", &P::PopupOnlyReplyToMe},
    {"UI", "PopupOnlyFavID", &P::PopupOnlyFavID},
    {"UI", "PopupOnlyPickup", &P::PopupOnlyPickup},
    {"UI", "IDWidth", &P::IDWidth},
    {"UI", "AskAddFavorite", &P::AskAddFavorite},
    {"UI", "EnableP3Key", &P::EnableP3Key},
    {"UI", "UpdateWithCTRL", &P::UpdateWithCTRL},
};

struct TServerKey {
    const char* Name;
    QString TServerEndpoints::*Field;
};
const TServerKey ServerKeys[] = {
    {"ApiURL", &TServerEndpoints::ApiURL},
    {"TwitterApiURL", &TServerEndpoints::TwitterApiURL},
    {"WebURL", &TServerEndpoints::WebURL},
    {"ShortURLPrefix", &TServerEndpoints::ShortURLPrefix},
    {"MakerURL", &TServerEndpoints::MakerURL},
};

QString Q(const char* latin1) {
    return QString::fromLatin1(latin1);
}

// Each field keeps its value when its key is missing or unreadable.
void LoadKeys(const TIniFile& ini, TQuorbelPrefs& prefs, std::span<const TKey> keys) {
    for (const TKey& key : keys) {
        const QString section = Q(key.Section);
        const QString name = Q(key.Name);
        std::visit(
            [&](auto member) {
                auto& field = prefs.*member;
                using T = std::remove_reference_t<decltype(field)>;
                if constexpr (std::is_same_v<T, QString>)
                    field = ini.ReadString(section, name, field);
                else if constexpr (std::is_same_v<T, int>)
                    field = ini.ReadInteger(section, name, field);
                else if constexpr (std::is_same_v<T, bool>)
                    field = ini.ReadBool(section, name, field);
                else
                    field = ColorFromText(ini.ReadString(section, name, QString())).value_or(field);
            },
            key.Field);
    }
}

void SaveKeys(TIniFile& ini, const TQuorbelPrefs& prefs, std::span<const TKey> keys) {
    for (const TKey& key : keys) {
        const QString section = Q(key.Section);
        const QString name = Q(key.Name);
        std::visit(
            [&](auto member) {
                const auto& field = prefs.*member;
                using T = std::remove_cvref_t<decltype(field)>;
                if constexpr (std::is_same_v<T, QString>)
                    ini.WriteString(section, name, field);
                else if constexpr (std::is_same_v<T, int>)
                    ini.WriteInteger(section, name, field);
                else if constexpr (std::is_same_v<T, bool>)
                    ini.WriteBool(section, name, field);
                else
                    ini.WriteString(section, name, ColorToText(field));
            },
            key.Field);
    }
}

// Older files hold the password in plain text under the key itself; newer
// ones keep it scrambled under the key + "C".
void LoadPassword(const TIniFile& ini, const QString& section, const QString& key,
                  QString& password) {
    const QString plain = ini.ReadString(section, key, QString());
    if (!plain.isEmpty()) {
        password = plain;
        return;
    }
    const QString scrambled = ini.ReadString(section, key + QLatin1Char('C'), QString());
    if (!scrambled.isEmpty())
        password = UnscramblePassword(scrambled);
}

void SavePassword(TIniFile& ini, const QString& section, const QString& key,
                  const QString& password) {
    ini.WriteString(section, key, QString());
    ini.WriteString(section, key + QLatin1Char('C'), ScramblePassword(password));
}

// Each file is synced to disk on its own: written side by side, the syncs
// overlap instead of queueing. Every file is tried, as one that cannot be
// written must not cost the user the others; the first failure in the
// given order is reported.
void WriteAll(const std::vector<std::function<void()>>& writes) {
    std::vector<std::future<void>> running;
    running.reserve(writes.size());
    for (const auto& write : writes)
        running.push_back(std::async(std::launch::async, write));
    std::optional<TWriteError> failure;
    for (auto& done : running) {
        try {
            done.get();
        } catch (const TWriteError& error) {
            if (!failure)
                failure = error;
        }
    }
    if (failure)
        throw *failure;
}

const QString Tabs = QStringLiteral("Tabs");
const QString PickupLabelKey = QStringLiteral("PickupLabel");
const QString PickupPopupKey = QStringLiteral("PickupPopup");
const QString FavIDLabelKey = QStringLiteral("FavIDLabel");
const QString FavIDPopupKey = QStringLiteral("FavIDPopup");

} // namespace

TQuorbelPrefs::TQuorbelPrefs(QString iniFileName, QString listBasePath)
    : IniPath(std::move(iniFileName)), ListBase(std::move(listBasePath)) {
    for (int i = 0; i < NumberedTabCount; ++i) {
        PickupLabel[i] = QStringLiteral("注目") + NumberSuffix(i);
        FavIDLabel[i] = QStringLiteral("お気に入り") + NumberSuffix(i);
    }
    for (int j = 0; j < TabCount; ++j) {
        TabDisp[j] = DefaultTabDisp(j);
        TabIndex[j] = j;
    }
}

bool TQuorbelPrefs::DefaultTabDisp(int j) {
    const QString& name = TabSheetNames[j];
    if (name.startsWith(QLatin1String("TabSheetPickupWord")) && name.size() > 18)
        return false;
    if (name.startsWith(QLatin1String("TabSheetFavID")) && name.size() > 13)
        return false;
    return true;
}

QString TQuorbelPrefs::NGWordFileName() const {
    return ListBase + QStringLiteral(".ban");
}

QString TQuorbelPrefs::PickupFileName(int i) const {
    return ListBase + QStringLiteral(".pic") + IndexSuffix(i);
}

QString TQuorbelPrefs::FavIDFileName(int i) const {
    return ListBase + QStringLiteral(".fav") + IndexSuffix(i);
}

void TQuorbelPrefs::LoadFromIni() {
    const TIniFile ini(IniPath);
    LoadKeys(ini, *this, AccountKeys);
    LoadPassword(ini, QStringLiteral("Account"), QStringLiteral("Password"), Password);
    LoadKeys(ini, *this, UpdateKeys);
    LoadPassword(ini, QStringLiteral("Proxy"), QStringLiteral("ProxyPass"), ProxyPass);
    LoadKeys(ini, *this, ProxyAndWindowKeys);
    LoadFontFromIni(ini, QStringLiteral("List"), ListFont);
    LoadKeys(ini, *this, ListKeys);

    for (int i = 0; i < NumberedTabCount; ++i) {
        PickupLabel[i] = ini.ReadString(Tabs, PickupLabelKey + IndexSuffix(i), PickupLabel[i]);
        PickupPopup[i] = ini.ReadBool(Tabs, PickupPopupKey + IndexSuffix(i), PickupPopup[i]);
    }
    for (int i = 0; i < NumberedTabCount; ++i) {
        FavIDLabel[i] = ini.ReadString(Tabs, FavIDLabelKey + IndexSuffix(i), FavIDLabel[i]);
        FavIDPopup[i] = ini.ReadBool(Tabs, FavIDPopupKey + IndexSuffix(i), FavIDPopup[i]);
    }
    LoadLists();

    TabPosition =
        static_cast<quint8>(ini.ReadInteger(Tabs, QStringLiteral("TabPosition"), TabPosition));
    LoadKeys(ini, *this, TabKeys);
    for (int j = 0; j < TabCount; ++j) {
        const QString& name = TabSheetNames[j];
        TabDisp[j] = ini.ReadBool(QStringLiteral("TabDisp"), name, TabDisp[j]);
        // The message tab has no use: it is never shown.
        if (j == TabMessage)
            TabDisp[j] = false;
        TabIndex[j] = ini.ReadInteger(QStringLiteral("TabIndex"), name, TabIndex[j]);
    }

    LoadKeys(ini, *this, RemainingKeys);
    Zedadi = ini.ReadBool(QStringLiteral("Secret"), QStringLiteral("Zedadi"), Zedadi);

    for (const TServerKey& key : ServerKeys) {
        QString& field = Server.*key.Field;
        field = ini.ReadString(QStringLiteral("Server"), Q(key.Name), field);
    }
}

void TQuorbelPrefs::SaveToIni() {
    TIniFile ini(IniPath, true);
    SaveKeys(ini, *this, AccountKeys);
    SavePassword(ini, QStringLiteral("Account"), QStringLiteral("Password"), Password);
    SaveKeys(ini, *this, UpdateKeys);
    SavePassword(ini, QStringLiteral("Proxy"), QStringLiteral("ProxyPass"), ProxyPass);
    SaveKeys(ini, *this, ProxyAndWindowKeys);
    SaveFontToIni(ini, QStringLiteral("List"), ListFont);
    SaveKeys(ini, *this, ListKeys);
    for (int i = 0; i < NumberedTabCount; ++i) {
        ini.WriteString(Tabs, PickupLabelKey + IndexSuffix(i), PickupLabel[i]);
        ini.WriteBool(Tabs, PickupPopupKey + IndexSuffix(i), PickupPopup[i]);
    }
    for (int i = 0; i < NumberedTabCount; ++i) {
        ini.WriteString(Tabs, FavIDLabelKey + IndexSuffix(i), FavIDLabel[i]);
        ini.WriteBool(Tabs, FavIDPopupKey + IndexSuffix(i), FavIDPopup[i]);
    }
    ini.WriteInteger(Tabs, QStringLiteral("TabPosition"), TabPosition);
    SaveKeys(ini, *this, TabKeys);
    for (int j = 0; j < TabCount; ++j) {
        ini.WriteBool(QStringLiteral("TabDisp"), TabSheetNames[j], TabDisp[j]);
        ini.WriteInteger(QStringLiteral("TabIndex"), TabSheetNames[j], TabIndex[j]);
    }
    SaveKeys(ini, *this, RemainingKeys);

    std::vector<std::function<void()>> writes{[&ini] { ini.UpdateFile(); }};
    AddListWrites(writes);
    WriteAll(writes);
}

void TQuorbelPrefs::LoadLists() {
    const auto load = [](const QString& path, QStringList& list) {
        if (QFileInfo::exists(path))
            list = ReadListFile(path);
    };
    load(NGWordFileName(), NGWords);
    for (int i = 0; i < NumberedTabCount; ++i) {
        load(PickupFileName(i), PickupWords[i]);
        load(FavIDFileName(i), FavIDs[i]);
    }
}

void TQuorbelPrefs::SaveLists() const {
    std::vector<std::function<void()>> writes;
    AddListWrites(writes);
    WriteAll(writes);
}

void TQuorbelPrefs::AddListWrites(std::vector<std::function<void()>>& writes) const {
    const auto add = [&writes](QString path, const QStringList& list) {
        writes.push_back([path = std::move(path), &list] { WriteListFile(path, list); });
    };
    add(NGWordFileName(), NGWords);
    for (int i = 0; i < NumberedTabCount; ++i)
        add(PickupFileName(i), PickupWords[i]);
    for (int i = 0; i < NumberedTabCount; ++i)
        add(FavIDFileName(i), FavIDs[i]);
}

void TQuorbelPrefs::LoadFormPlacement(TFormPlacement& placement, const QString& section) const {
    const TIniFile ini(IniPath);
    const auto readOptional = [&](const QString& key, std::optional<int>& field) {
        if (ini.ValueExists(section, key))
            field = ini.ReadInteger(section, key, field.value_or(0));
    };
    readOptional(QStringLiteral("Top"), placement.Top);
    readOptional(QStringLiteral("Left"), placement.Left);
    placement.Width = ini.ReadInteger(section, QStringLiteral("Width"), placement.Width);
    placement.Height = ini.ReadInteger(section, QStringLiteral("Height"), placement.Height);
    placement.WinState = ini.ReadInteger(section, QStringLiteral("WinState"), placement.WinState);
}

void TQuorbelPrefs::SaveFormPlacement(const TFormPlacement& placement,
                                      const QString& section) const {
    TIniFile ini(IniPath, true);
    ini.WriteInteger(section, QStringLiteral("WinState"), placement.WinState);
    if (placement.Top)
        ini.WriteInteger(section, QStringLiteral("Top"), *placement.Top);
    if (placement.Left)
        ini.WriteInteger(section, QStringLiteral("Left"), *placement.Left);
    ini.WriteInteger(section, QStringLiteral("Width"), placement.Width);
    ini.WriteInteger(section, QStringLiteral("Height"), placement.Height);
    ini.UpdateFile();
}

bool TQuorbelPrefs::ReadIniBool(const QString& section, const QString& key, bool def) const {
    return TIniFile(IniPath).ReadBool(section, key, def);
}

int TQuorbelPrefs::ReadIniInt(const QString& section, const QString& key, int def) const {
    return TIniFile(IniPath).ReadInteger(section, key, def);
}

QString TQuorbelPrefs::ReadIniString(const QString& section, const QString& key,
                                     const QString& def) const {
    return TIniFile(IniPath).ReadString(section, key, def);
}

void TQuorbelPrefs::WriteIniBool(const QString& section, const QString& key, bool value) const {
    TIniFile ini(IniPath, true);
    ini.WriteBool(section, key, value);
    ini.UpdateFile();
}

void TQuorbelPrefs::WriteIniInt(const QString& section, const QString& key, int value) const {
    TIniFile ini(IniPath, true);
    ini.WriteInteger(section, key, value);
    ini.UpdateFile();
}

void TQuorbelPrefs::WriteIniString(const QString& section, const QString& key,
                                   const QString& value) const {
    TIniFile ini(IniPath, true);
    ini.WriteString(section, key, value);
    ini.UpdateFile();
}
