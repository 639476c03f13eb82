#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

#include "ColorText.h"
#include "FontDesc.h"

// A settings colour for painting: a plain 00BBGGRR colour as is, a system
// colour from the palette, clNone transparent, and clDefault an invalid
// colour (the caller keeps its own default).
QColor ToQColor(TColor color, const QPalette& palette);

// The settings font as a Qt font (face, size, style; the colour is the
// caller's), and back: base keeps what Qt does not carry (colour, character
// set).
QFont ToQFont(const TFontDesc& desc);
TFontDesc ToFontDesc(const QFont& font, const TFontDesc& base);
