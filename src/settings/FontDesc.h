#pragma once

#include <QString>

#include "ColorText.h"

// A font as the settings keep it; the ui turns it into a QFont.
struct TFontDesc {
    enum StyleBits : int { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
    enum PitchKind : int { DefaultPitch = 0, VariablePitch = 1, FixedPitch = 2 };

    QString Name = QStringLiteral("ＭＳ Ｐゴシック");
    int Size = 9; // points
    TColor Color = 0;
    int Style = 0; // StyleBits
    int Charset = 128;
    int Pitch = DefaultPitch;

    bool operator==(const TFontDesc&) const = default;
};
