#pragma once

#include <optional>

#include <QString>

#include "ListRow.h"
#include "QuorbelItem.h"
#include "ServerEndpoints.h"
#include "StatusLists.h"

// The plain parts of the commands on the selected status: the pages they
// open, the texts they copy or show, and the deleted mark.

// The outside services the web searches use.
inline const QString GoogleSearchURL = QStringLiteral("https://www.google.co.jp");
inline const QString WikipediaURL = QStringLiteral("https://ja.wikipedia.org");
inline const QString WassrSearchURL = QStringLiteral("http://wassr-search.example.jp");

enum class TPageCommand {
    FriendHome,        // ActionFriendHome
    FriendFav,         // ActionFriendFav
    ReplyHome,         // ActionReplyHome
    Twitter,           // ActionTwitter: the service's site
    MyFavorites,       // ActionMyFavorites
    StatusPage,        // ActionStatusPage
    FriendSite,        // ActionFriendSite
    SearchGoogle,      // ActionSearchGoogle
    SearchWikipedia,   // ActionSearchWikipedia
    SearchWassrSearch, // ActionSearchWassrSearch
    Help,              // ActionHelp
    Download,          // the version notice's download page
    Home,              // the maker's home page (the About box's logo)
};

// The address a page command opens; empty when there is nothing to open: no
// selected status where one is needed, a direct message for the status and
// reply pages, an empty user ID, or an address that is not http or https. The
// searched text is percent-encoded as one query value or path segment, so
// "&", "#" or "/" in it stay part of what is searched.
QString PageURL(TPageCommand command, const TServerEndpoints& server, const TQuorbelItem* item,
                const QString& selectedText = {});

enum class TCopyCommand {
    UserID,     // the row's caption
    UserStatus, // the row's displayed text
    StatusURL,  // the record's link; none for a direct message
};

std::optional<QString> CopyText(TCopyCommand command, const TListRow& row);

// The property box: nine lines, each ended by CR LF.
QString PropertyText(const TQuorbelItem& item);

// Whether the favourite and delete requests may be sent for the record.
bool CanCreateFavorite(const TQuorbelItem* item);
bool CanDestroy(const TQuorbelItem* item, const QString& username);

// After a successful delete: in every list but the message list, the first row
// showing the status gets the deleted mark; rows stay. Returns the number of
// rows marked.
int MarkDeleted(TStatusLists& lists, qint32 statusID);
