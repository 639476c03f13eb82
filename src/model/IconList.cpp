#include "IconList.h"

void TIconList::AddIcon(const QByteArray& url, int index) {
    const std::lock_guard guard(Lock);
    Items.push_back({index, url});
    if (!FirstIndex.contains(url)) // later duplicates never shadow the first
        FirstIndex.insert(url, index);
}

int TIconList::IndexOfURL(const QByteArray& url) const {
    const std::lock_guard guard(Lock);
    return FirstIndex.value(url, -1);
}

qsizetype TIconList::Count() const {
    const std::lock_guard guard(Lock);
    return qsizetype(Items.size());
}

TIconItem TIconList::At(qsizetype i) const {
    const std::lock_guard guard(Lock);
    return Items.at(size_t(i));
}
