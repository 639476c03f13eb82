#pragma once

#include <QString>

#include "QuorbelItem.h"

// State marks of a row (index into the status pictures).
enum TStateMark : int {
    StateNone = -1,
    StateNew = 0,
    StateReplyToMe = 1,
    StateMine = 2,
    StateMessageRead = 3,
    StateDeleted = 4,
    StateHeart = 5,
};

// Small picture of a row: none, the pickup-word hit mark, or an icon index >= 1.
inline constexpr int ImageNone = -1;
inline constexpr int ImageHitMark = 0;

// One row of a status list. Every row refers to a status record; only the
// timeline's rows own theirs (see TStatusListModel).
struct TListRow {
    TQuorbelItem* Item = nullptr;
    QString Caption{}; // the author's user ID
    QString Text{};    // the display text
    int ImageIndex = ImageNone;
    int StateIndex = StateNone;
};
