#pragma once

#include <array>

#include <QString>

inline constexpr int TabCount = 14;
inline constexpr int NumberedTabCount = 5;

// The tab sheets and their list views, in the same fixed order: the list at
// position j lies on the tab at position j.
extern const std::array<QString, TabCount> TabSheetNames;
extern const std::array<QString, TabCount> ListViewNames;

enum TabPosition : int {
    TabTimeline = 0,
    TabMessage = 1,
    TabReply = 2,
    TabPickupWord = 3, // 3..7
    TabFavID = 8,      // 8..12
    TabSearch = 13,
};

// "" for i <= 0, else the decimal text of i: names of numbered families.
QString IndexSuffix(int i);
// "" for i <= 0, else the decimal text of i + 1: default captions.
QString NumberSuffix(int i);
// Position of the name in TabSheetNames; 0 when it is not there.
int TabSheetIndex(const QString& name);

// The program's name and version, as the service and the user see them.
inline const QString ProgramName = QStringLiteral("Quorbel");
inline const QString ProgramVersion = QStringLiteral("Ver0.52");
inline const QString ProgramCaption = QStringLiteral("Quorbel Ver0.52");
inline const QByteArray ProgramUserAgent = QByteArrayLiteral("Quorbel/0.52");
