#pragma once

#include "QuorbelItem.h"

// Order of statuses in a sorted list: later Date first, then larger ID first;
// the whole result negated when reverse (oldest at the top). A missing item
// counts as Date 0 and ID 0. Negative when a comes before b.
int CompareByDate(const TQuorbelItem* a, const TQuorbelItem* b, bool reverse);
