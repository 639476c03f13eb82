#include "Friends.h"

#include <charconv>
#include <cmath>
#include <string>
#include <utility>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

namespace {

// Epochs of 0001-01-01 and 9999-12-31 23:59:59 UTC: beyond them a date has no
// calendar form, and converting it further would overflow.
constexpr double MinEpoch = -62135596800.0;
constexpr double MaxEpoch = 253402300799.0;

[[noreturn]] void Fail(qsizetype element, const char* key, const char* problem) {
    throw TParseError("status " + std::to_string(element) + ": \"" + key + "\" " + problem);
}

QJsonValue Required(const QJsonObject& object, qsizetype element, const char* key) {
    const QJsonValue value = object.value(QLatin1StringView(key));
    if (value.isUndefined())
        Fail(element, key, "is missing");
    return value;
}

QString RequiredString(const QJsonObject& object, qsizetype element, const char* key) {
    const QJsonValue value = Required(object, element, key);
    if (!value.isString())
        Fail(element, key, "is not a string");
    return value.toString();
}

// A decimal integer that fits 32 bits signed: an optional "-" and digits only
// (from_chars takes no "+", blank or base prefix, and fails on an empty text).
bool ParseStatusId(const QString& text, qint32& id) {
    const QByteArray latin = text.toLatin1(); // anything beyond Latin-1 becomes '?' and fails
    const char* last = latin.constData() + latin.size();
    const auto [end, error] = std::from_chars(latin.constData(), last, id, 10);
    return error == std::errc() && end == last;
}

TFriendItem ReadStatus(const QJsonValue& element, qsizetype index, int offsetHours) {
    if (!element.isObject())
        throw TParseError("status " + std::to_string(index) + " is not an object");
    const QJsonObject object = element.toObject();

    TFriendItem item;
    item.Html = RequiredString(object, index, "html");
    item.Text = RequiredString(object, index, "text");
    item.Link = RequiredString(object, index, "link").toUtf8();
    if (!ParseStatusId(RequiredString(object, index, "id"), item.ID))
        Fail(index, "id", "is not a 32-bit decimal integer");
    item.Rid = RequiredString(object, index, "rid").toUtf8();
    item.UserID = RequiredString(object, index, "user_login_id");

    const QJsonValue replyUser = Required(object, index, "reply_user_login_id");
    if (replyUser.isString()) {
        item.ReplyUserID = replyUser.toString();
        if (item.ReplyUserID.isEmpty())
            item.ReplyUserID = TFriends::ReplyTargetFromText(item.Text);
    } else if (!replyUser.isNull()) {
        Fail(index, "reply_user_login_id", "is neither a string nor null");
    }

    const QJsonValue epoch = Required(object, index, "epoch");
    if (!epoch.isDouble())
        Fail(index, "epoch", "is not a number");
    const double seconds = epoch.toDouble();
    if (!std::isfinite(seconds) || seconds < MinEpoch || seconds > MaxEpoch)
        Fail(index, "epoch", "is out of range");
    item.Date = EpochToDateTime(seconds, offsetHours);

    const QJsonValue user = object.value(QLatin1StringView("user"));
    if (!user.isUndefined()) {
        if (!user.isObject())
            Fail(index, "user", "is not an object");
        const QJsonObject userObject = user.toObject();
        item.ScreenName = RequiredString(userObject, index, "screen_name");
        item.ProfileImageURL = RequiredString(userObject, index, "profile_image_url").toUtf8();
    }
    return item;
}

} // namespace

void TFriends::ParseJSON(const QByteArray& body) {
    ParseJSON(body, TimeZoneOffset().Hours);
}

void TFriends::ParseJSON(const QByteArray& body, int offsetHours) {
    Items.clear();

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError)
        throw TParseError("not a JSON document: " + error.errorString().toStdString());
    if (!document.isArray())
        throw TParseError("the document is not an array");

    // Build aside so that a fault in any status leaves the list empty.
    const QJsonArray array = document.array();
    Container parsed;
    parsed.reserve(size_t(array.size()));
    for (qsizetype i = 0; i < array.size(); ++i)
        parsed.push_back(ReadStatus(array.at(i), i, offsetHours));
    Items = std::move(parsed);
}

QString TFriends::ReplyTargetFromText(const QString& text) {
    if (!text.startsWith(u'@'))
        return {};
    const auto belongs = [](char16_t c) {
        return (c >= u'0' && c <= u'9') || (c >= 0x40 && c <= 0x5A) || c == u'_' ||
               (c >= u'a' && c <= u'z');
    };
    // Every name character is ASCII, so the wide text scans like its UTF-8 form.
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (!belongs(text.at(i).unicode()))
            return text.mid(1, i - 1);
    }
    return {};
}
