#include "Names.h"

const std::array<QString, TabCount> TabSheetNames = {
    QStringLiteral("TabSheetTimeline"),    QStringLiteral("TabSheetMessage"),
    QStringLiteral("TabSheetReply"),       QStringLiteral("TabSheetPickupWord"),
    QStringLiteral("TabSheetPickupWord1"), QStringLiteral("TabSheetPickupWord2"),
    QStringLiteral("TabSheetPickupWord3"), QStringLiteral("TabSheetPickupWord4"),
    QStringLiteral("TabSheetFavID"),       QStringLiteral("TabSheetFavID1"),
    QStringLiteral("TabSheetFavID2"),      QStringLiteral("TabSheetFavID3"),
    QStringLiteral("TabSheetFavID4"),      QStringLiteral("TabSheetSearch"),
};

const std::array<QString, TabCount> ListViewNames = {
    QStringLiteral("ListViewFriends"),     QStringLiteral("ListViewMessage"),
    QStringLiteral("ListViewReply"),       QStringLiteral("ListViewPickupWord"),
    QStringLiteral("ListViewPickupWord1"), QStringLiteral("ListViewPickupWord2"),
    QStringLiteral("ListViewPickupWord3"), QStringLiteral("ListViewPickupWord4"),
    QStringLiteral("ListViewFavID"),       QStringLiteral("ListViewFavID1"),
    QStringLiteral("ListViewFavID2"),      QStringLiteral("ListViewFavID3"),
    QStringLiteral("ListViewFavID4"),      QStringLiteral("ListViewSearch"),
};

QString IndexSuffix(int i) {
    return i <= 0 ? QString() : QString::number(i);
}

QString NumberSuffix(int i) {
    return i <= 0 ? QString() : QString::number(i + 1);
}

int TabSheetIndex(const QString& name) {
    for (int j = 0; j < TabCount; ++j) {
        if (TabSheetNames[j] == name)
            return j;
    }
    return 0;
}
