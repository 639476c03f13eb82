#pragma once

#include <optional>

#include <QString>

// A whole number as the settings files hold it: decimal, or hexadecimal after
// "$", "0x" or "0X", with optional leading blanks and sign; nothing may follow
// the digits.
std::optional<qint32> ParseInteger(const QString& text);
// A whole number as typed into a field: hexadecimal may also follow a bare
// "x" or "X".
std::optional<qint32> ParseTypedInteger(const QString& text);

// True when ParseTypedInteger reads the text.
bool IsInteger(const QString& text);
