#pragma once

#include "ListRow.h"

// Which colour pair a row gets, from the row selected in the same list.
enum class TRowColorRule {
    Default, // system window colours
    Status,  // written by the selected row's author: ListStatusColor
    Reply,   // replies to the selected row's author: ListReplyColor
    ReplyTo, // written by the user the selected row replies to: ListReplyToColor
};

// selected is null when the list has no selected row. IDs compare whole and
// case-sensitively; an empty reply-to ID matches nothing.
TRowColorRule RowColorRuleFor(const TListRow& row, const TListRow* selected);
