#pragma once

#include <optional>

#include <QString>

// A whole number in decimal, or hexadecimal after "$", "x", "X", "0x" or
// "0X", with optional leading blanks and sign; nothing may follow the digits.
std::optional<qint32> ParseInteger(const QString& text);

bool IsInteger(const QString& text);
