#include "ColorText.h"

#include <array>
#include <utility>

#include "Numbers.h"

namespace {

struct TNamedColor {
    const char* Name;
    TColor Value;
};

constexpr std::array<TNamedColor, 22> NamedColors{{
    {"clBlack", 0x00000000},     {"clMaroon", 0x00000080},     {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},     {"clNavy", 0x00800000},       {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},      {"clGray", 0x00808080},       {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF},       {"clLime", 0x0000FF00},       {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},      {"clFuchsia", 0x00FF00FF},    {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF},     {"clMoneyGreen", 0x00C0DCC0}, {"clSkyBlue", 0x00F0CAA6},
    {"clCream", 0x00F0FBFF},     {"clMedGray", 0x00A4A0A0},    {"clNone", ColorNone},
    {"clDefault", ColorDefault},
}};

// System colours by index; index 25 has no name.
constexpr std::array<const char*, SystemColorCount> SystemColorNames{
    "clScrollBar",
    "clBackground",
    "clActiveCaption",
    "clInactiveCaption",
    "clMenu",
    "clWindow",
    "clWindowFrame",
    "clMenuText",
    "clWindowText",
    "clCaptionText",
    "clActiveBorder",
    "clInactiveBorder",
    "clAppWorkSpace",
    "clHighlight",
    "clHighlightText",
    "clBtnFace",
    "clBtnShadow",
    "clGrayText",
    "clBtnText",
    "clInactiveCaptionText",
    "clBtnHighlight",
    "cl3DDkShadow",
    "cl3DLight",
    "clInfoText",
    "clInfoBk",
    nullptr,
    "clHotLight",
    "clGradientActiveCaption",
    "clGradientInactiveCaption",
    "clMenuHighlight",
    "clMenuBar",
};

} // namespace

QString ColorToText(TColor color) {
    for (const TNamedColor& named : NamedColors) {
        if (named.Value == color)
            return QString::fromLatin1(named.Name);
    }
    const TColor index = color - SystemColorBase;
    if (color >= SystemColorBase && index < SystemColorNames.size() && SystemColorNames[index])
        return QString::fromLatin1(SystemColorNames[index]);
    return QStringLiteral("$%1").arg(color, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<TColor> ColorFromText(const QString& text) {
    for (const TNamedColor& named : NamedColors) {
        if (text.compare(QLatin1String(named.Name), Qt::CaseInsensitive) == 0)
            return named.Value;
    }
    for (TColor index = 0; index < SystemColorNames.size(); ++index) {
        const char* name = SystemColorNames[index];
        if (name && text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return SystemColorBase + index;
    }
    const std::optional<qint32> value = ParseInteger(text);
    if (!value || !IsValidColor(static_cast<TColor>(*value)))
        return std::nullopt;
    return static_cast<TColor>(*value);
}

bool IsValidColor(TColor color) {
    return color <= 0x00FFFFFF || color == ColorNone || color == ColorDefault ||
           (color >= SystemColorBase && color - SystemColorBase < TColor(SystemColorCount));
}
