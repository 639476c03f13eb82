// A hand-edited settings file: the INI reader on its own, then the whole
// settings load, which must read back what it saves.
#include <array>

#include <QFile>

#include "FuzzSupport.h"
#include "IniFile.h"
#include "MbText.h"
#include "QuorbelPrefs.h"

namespace {

struct TProbe {
    const char* Section;
    const char* Key;
};

// Keys of every kind the program reads: text, integer, boolean, colour, font,
// scrambled password, numbered tab keys and the read-only ones.
constexpr std::array<TProbe, 12> Probes{{
    {"Account", "Username"},
    {"Account", "PasswordC"},
    {"Update", "Interval"},
    {"Update", "EnableBalloon"},
    {"Update", "QuorbelMark"},
    {"Proxy", "ProxyPort"},
    {"UI", "ListStatusColor"},
    {"Option", "ListFontName"},
    {"Tabs", "PickupLabel1"},
    {"TabIndex", "TabSheetTimeline"},
    {"Server", "ApiURL"},
    {"Secret", "Zedadi"},
}};

void CheckIniFile(const QByteArray& text) {
    const QString path = ScratchPath(QStringLiteral("reader.ini"));
    WriteScratchFile(path, text);
    TIniFile ini(path);

    std::array<QString, Probes.size()> before;
    for (size_t i = 0; i < Probes.size(); ++i) {
        const QString section = QString::fromLatin1(Probes[i].Section);
        const QString key = QString::fromLatin1(Probes[i].Key);
        before[i] = ini.ReadString(section, key, QStringLiteral("\x01"));
        FuzzCheck(before[i].size() <= TIniFile::MaxValueLength, "a value over the length limit");
        FuzzCheck(before[i].isEmpty() || !before[i].back().isHighSurrogate(),
                  "a value cut inside a surrogate pair");
        (void)ini.ReadInteger(section, key, 0);
        (void)ini.ReadBool(section, key, false);
    }

    // What the reader keeps, it writes out so that it reads the same again.
    const QByteArray kept = ini.Text();
    WriteScratchFile(path, kept);
    FuzzCheck(TIniFile(path).Text() == kept, "the kept text changes when read again");

    // A write changes its own key and no other.
    const QString value = Utf8ToString(text.right(40));
    ini.WriteString(QStringLiteral("Update"), QStringLiteral("QuorbelMark"), value);
    // A value is one line and ends at a zero.
    QString expected = value.left(value.indexOf(u'\0'));
    expected.replace(u'\r', u' ').replace(u'\n', u' ');
    FuzzCheck(ini.ReadString(QStringLiteral("Update"), QStringLiteral("QuorbelMark"), {}) ==
                  expected.trimmed(),
              "a written value reads back changed");
    for (size_t i = 0; i < Probes.size(); ++i) {
        if (QLatin1StringView(Probes[i].Key) == u"QuorbelMark")
            continue;
        FuzzCheck(ini.ReadString(QString::fromLatin1(Probes[i].Section),
                                 QString::fromLatin1(Probes[i].Key),
                                 QStringLiteral("\x01")) == before[i],
                  "a write changed another key");
    }
}

void CheckSettingsLoad(const QByteArray& text) {
    const QString path = ScratchPath(QStringLiteral("Quorbel.ini"));
    const QString listBase = ScratchPath(QStringLiteral("Quorbel"));
    WriteScratchFile(path, text);
    TQuorbelPrefs loaded(path, listBase);
    // The list files have a target of their own: here they are missing.
    for (int i = 0; i < NumberedTabCount; ++i) {
        QFile::remove(loaded.PickupFileName(i));
        QFile::remove(loaded.FavIDFileName(i));
    }
    QFile::remove(loaded.NGWordFileName());

    loaded.LoadFromIni();
    loaded.SaveToIni();
    TQuorbelPrefs reloaded(path, listBase);
    reloaded.LoadFromIni();
    FuzzCheck(reloaded == loaded, "saved settings read back different");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text = FuzzBytes(data, size);
    CheckIniFile(text);
    CheckSettingsLoad(text);
    return 0;
}
