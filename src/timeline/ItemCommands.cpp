#include "ItemCommands.h"

#include <QUrl>

#include "CarrierEmoji.h"
#include "DateText.h"
#include "DrawnText.h"
#include "Urls.h"

namespace {

QString Encoded(const QString& text) {
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QString UserPage(const TServerEndpoints& server, const QString& userID) {
    return userID.isEmpty() ? QString() : server.WebURL + QStringLiteral("/user/") + userID;
}

QString Address(TPageCommand command, const TServerEndpoints& server, const TQuorbelItem* item,
                const QString& selectedText) {
    const bool status = item && !item->IsMessage;
    switch (command) {
    case TPageCommand::FriendHome:
        return item ? UserPage(server, item->UserID) : QString();
    case TPageCommand::FriendFav: {
        const QString home = item ? UserPage(server, item->UserID) : QString();
        return home.isEmpty() ? home : home + QStringLiteral("/favorites/");
    }
    case TPageCommand::ReplyHome:
        return status ? UserPage(server, item->ReplyUserID) : QString();
    case TPageCommand::Twitter:
        return server.WebURL + u'/';
    case TPageCommand::MyFavorites:
        return server.WebURL + QStringLiteral("/my/favorite/");
    case TPageCommand::StatusPage:
        return status ? QString::fromUtf8(item->Link) : QString();
    case TPageCommand::FriendSite:
        return item ? QString::fromUtf8(item->Link) : QString();
    case TPageCommand::SearchGoogle:
        return GoogleSearchURL + QStringLiteral("/search?q=") + Encoded(selectedText);
    case TPageCommand::SearchWikipedia:
        return WikipediaURL + QStringLiteral("/wiki/") + Encoded(selectedText);
    case TPageCommand::SearchWassrSearch:
        return WassrSearchURL + QStringLiteral("/wassr/?k=") + Encoded(selectedText);
    case TPageCommand::Help:
        return server.MakerURL + QStringLiteral("/quorbel/help/");
    case TPageCommand::Download:
        return server.MakerURL + QStringLiteral("/quorbel/download/");
    case TPageCommand::Home:
        return server.MakerURL + QStringLiteral("/quorbel/");
    }
    return {};
}

} // namespace

QString PageURL(TPageCommand command, const TServerEndpoints& server, const TQuorbelItem* item,
                const QString& selectedText) {
    const QString url = Address(command, server, item, selectedText);
    return IsWebAddress(url) ? url : QString();
}

std::optional<QString> CopyText(TCopyCommand command, const TListRow& row) {
    switch (command) {
    case TCopyCommand::UserID:
        return WithStandardEmoji(row.Caption);
    case TCopyCommand::UserStatus:
        return WithStandardEmoji(row.Text);
    case TCopyCommand::StatusURL:
        if (!row.Item || row.Item->IsMessage)
            return std::nullopt;
        return QString::fromUtf8(row.Item->Link);
    }
    return std::nullopt;
}

QString PropertyText(const TQuorbelItem& item) {
    // Every field from the server is drawn as the lists draw it.
    const QString lines[] = {
        QStringLiteral("ID : ") + QString::number(item.ID),
        QStringLiteral("ScreenName : ") + DrawnText(item.UserID),
        QStringLiteral("NickName : ") + DrawnText(item.ScreenName),
        QStringLiteral("Text : ") + DrawnText(item.Text),
        QStringLiteral("CreatedAt : ") + LocaleDateTimeText(item.Date),
        QStringLiteral("ReplyScreenName : ") + DrawnText(item.ReplyUserID),
        QStringLiteral("ProfileImageURL : ") + DrawnText(item.ProfileImageURL),
        QStringLiteral("ItemType : ") + QString::number(item.IsMessage ? 1 : 0),
        QStringLiteral("URL : ") + DrawnText(QString::fromUtf8(item.Link)),
    };
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

bool CanCreateFavorite(const TQuorbelItem* item) {
    return item && !item->IsMessage;
}

bool CanDestroy(const TQuorbelItem* item, const QString& username) {
    return item && !item->IsMessage && !username.isEmpty() && item->UserID == username;
}

int MarkDeleted(TStatusLists& lists, qint32 statusID) {
    int marked = 0;
    for (int j = 0; j < TabCount; ++j) {
        if (j == TabMessage)
            continue;
        TStatusListModel& list = lists.List(j);
        for (int r = 0; r < list.Count(); ++r) {
            const TQuorbelItem* item = list.ItemAt(r);
            if (item && !item->IsMessage && item->ID == statusID) {
                list.SetStateIndex(r, StateDeleted);
                ++marked;
                break;
            }
        }
    }
    return marked;
}
