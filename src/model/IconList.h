#pragma once

#include <mutex>
#include <vector>

#include <QByteArray>
#include <QHash>

struct TIconItem {
    int Index = 0; // image index in the row image list
    QByteArray URL;
};

// Which row image holds the icon of each icon URL. An entry goes when its row
// image is given to another icon (TImageList keeps a bounded number). Lookups
// come from fetch workers while the UI thread adds, so both take the lock.
class TIconList final {
public:
    // Appends an entry, even when the URL is already there.
    void AddIcon(const QByteArray& url, int index);
    // Drops the entries of a row image index that no longer holds their icon.
    void RemoveIndex(int index);
    // The index of the first entry added with exactly this URL; -1 when none.
    int IndexOfURL(const QByteArray& url) const;
    qsizetype Count() const;
    // A copy of the entry at position i in order of addition.
    TIconItem At(qsizetype i) const;

private:
    mutable std::mutex Lock;
    std::vector<TIconItem> Items;
    QHash<QByteArray, int> FirstIndex;
};
