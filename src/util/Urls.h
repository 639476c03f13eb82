#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Printable ASCII that may appear in a web address.
bool IsUrlChar(char c);
// A letter, digit, "@" or "_": the characters of a mention.
bool IsIdChar(char c);

// A status rid as the service makes them: one or more ASCII letters, digits,
// "-" or "_". Only such a rid may go into a request path or body.
bool IsPlainRid(const QByteArray& rid);

// Every http:// and https:// address in the text, in order; at most 1024
// bytes each.
QList<QByteArray> ExtractURLs(const QByteArray& text);

// Percent-encoding of a post body: a blank becomes "+", the bytes of
// ! $ ' ( ) * - . 0-9 @ A-Z _ a-z stay, every other byte becomes %XX.
QByteArray URLEncode(const QByteArray& bytes);

// Only web addresses are handed to the browser.
bool IsWebAddress(const QString& url);
