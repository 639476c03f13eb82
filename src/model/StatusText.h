#pragma once

#include <QString>

#include "FriendItem.h"
#include "QuorbelItem.h"

// Copies what the window keeps of a fetched status (not Html, IconIndex, Icon).
void CopyToItem(const TFriendItem& source, TQuorbelItem& target);

// The text without its line feeds; carriage returns stay.
QString RemoveLineFeeds(const QString& text);

// The text a list row shows for the status: prefixed with "@" + ReplyUserID + " "
// when it replies to someone and does not already begin with "@".
QString StatusRowText(const TQuorbelItem& item);
