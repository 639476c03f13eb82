#include "CompareByDate.h"

int CompareByDate(const TQuorbelItem* a, const TQuorbelItem* b, bool reverse) {
    const TDateTime dateA = a ? a->Date : 0;
    const TDateTime dateB = b ? b->Date : 0;
    const qint32 idA = a ? a->ID : 0;
    const qint32 idB = b ? b->ID : 0;
    int result = 0;
    if (dateA != dateB)
        result = dateA > dateB ? -1 : 1;
    else if (idA != idB)
        result = idA > idB ? -1 : 1;
    return reverse ? -result : result;
}
