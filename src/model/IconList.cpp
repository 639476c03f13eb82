#include "IconList.h"

#include <algorithm>

void TIconList::AddIcon(const QByteArray& url, int index) {
    const std::lock_guard guard(Lock);
    Items.push_back({index, url});
    if (!FirstIndex.contains(url)) // later duplicates never shadow the first
        FirstIndex.insert(url, index);
}

void TIconList::RemoveIndex(int index) {
    const std::lock_guard guard(Lock);
    std::vector<QByteArray> urls;
    std::erase_if(Items, [&](const TIconItem& item) {
        if (item.Index != index)
            return false;
        urls.push_back(item.URL);
        return true;
    });
    for (const QByteArray& url : urls) {
        if (FirstIndex.value(url, -1) != index)
            continue;
        FirstIndex.remove(url);
        // A later download of the same address now comes first.
        const auto next = std::find_if(Items.begin(), Items.end(),
                                       [&](const TIconItem& item) { return item.URL == url; });
        if (next != Items.end())
            FirstIndex.insert(url, next->Index);
    }
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
