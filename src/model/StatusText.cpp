#include "StatusText.h"

void CopyToItem(const TFriendItem& source, TQuorbelItem& target) {
    target.ID = source.ID;
    target.Rid = source.Rid;
    target.UserID = source.UserID;
    target.ScreenName = source.ScreenName;
    target.Text = source.Text;
    target.Date = source.Date;
    target.ReplyUserID = source.ReplyUserID;
    target.ProfileImageURL = QString::fromUtf8(source.ProfileImageURL);
    target.IsMessage = false;
    target.Link = source.Link;
}

QString RemoveLineFeeds(const QString& text) {
    QString result = text;
    result.remove(u'\n');
    return result;
}

QString StatusRowText(const TQuorbelItem& item) {
    const QString text = RemoveLineFeeds(item.Text);
    if (!item.ReplyUserID.isEmpty() && !item.Text.startsWith(u'@'))
        return u'@' + item.ReplyUserID + u' ' + text;
    return text;
}
