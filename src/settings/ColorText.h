#pragma once

#include <QString>

#include <optional>

// A colour as the settings file keeps it: 0x00BBGGRR for a plain colour,
// 0xFF000000 + index for a system colour, plus the two specials below.
using TColor = quint32;

inline constexpr TColor ColorNone = 0x1FFFFFFF;
inline constexpr TColor ColorDefault = 0x20000000;
inline constexpr TColor SystemColorBase = 0xFF000000;
inline constexpr int SystemColorCount = 31;

// The name of a named colour, otherwise "$" and eight upper-case hex digits.
QString ColorToText(TColor color);

// A colour name (any letter case) or an integer ("$", "0x" or decimal); empty
// when the text is neither or names no colour the program can show.
std::optional<TColor> ColorFromText(const QString& text);

// True for a plain colour, a system colour with a known index, clNone and
// clDefault: every value the list painter knows how to draw.
bool IsValidColor(TColor color);
