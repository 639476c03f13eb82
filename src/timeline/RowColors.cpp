#include "RowColors.h"

namespace {
QString ReplyUserIDOf(const TListRow& row) {
    return row.Item ? row.Item->ReplyUserID : QString();
}
} // namespace

TRowColorRule RowColorRuleFor(const TListRow& row, const TListRow* selected) {
    if (!selected)
        return TRowColorRule::Default;
    if (row.Caption == selected->Caption)
        return TRowColorRule::Status;
    const QString rowReplyTo = ReplyUserIDOf(row);
    if (!rowReplyTo.isEmpty() && rowReplyTo == selected->Caption)
        return TRowColorRule::Reply;
    const QString selectedReplyTo = ReplyUserIDOf(*selected);
    if (!selectedReplyTo.isEmpty() && selectedReplyTo == row.Caption)
        return TRowColorRule::ReplyTo;
    return TRowColorRule::Default;
}
