#pragma once

#include <QByteArray>
#include <QString>

QByteArray Base64Encode(const QByteArray& data);
// Empty when the text is not valid Base64.
QByteArray Base64Decode(const QByteArray& text);

// The stored form of a password: each byte masked with one fixed byte, then
// Base64. Text that is not valid Base64 unscrambles to an empty text.
QString ScramblePassword(const QString& text);
QString UnscramblePassword(const QString& text);
