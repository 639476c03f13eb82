#pragma once

#include <vector>

#include <QByteArray>
#include <QString>

#include "FriendItem.h"
#include "ParseError.h"

// The statuses of one timeline or replies reply, in the reply's order.
class TFriends final {
public:
    using Container = std::vector<TFriendItem>;

    // Replaces the list with the statuses of the reply body (UTF-8 JSON), dates
    // shifted by the local standard-time offset. Throws TParseError on any fault
    // in the document; the list is then empty, never partly filled.
    void ParseJSON(const QByteArray& body);
    // The same with the whole-hour offset from UTC given.
    void ParseJSON(const QByteArray& body, int offsetHours);

    // The login id of a leading "@name" that something follows; empty otherwise.
    static QString ReplyTargetFromText(const QString& text);

    qsizetype Count() const { return qsizetype(Items.size()); }
    TFriendItem& operator[](qsizetype i) { return Items.at(size_t(i)); }
    const TFriendItem& operator[](qsizetype i) const { return Items.at(size_t(i)); }
    Container::iterator begin() { return Items.begin(); }
    Container::iterator end() { return Items.end(); }
    Container::const_iterator begin() const { return Items.begin(); }
    Container::const_iterator end() const { return Items.end(); }
    void Clear() { Items.clear(); }

private:
    Container Items;
};
