#include "QtConvert.h"

#include <array>

namespace {

// The palette roles standing in for the system colours, by their index.
constexpr std::array<QPalette::ColorRole, SystemColorCount> SystemColorRoles{
    QPalette::Button,          // scroll bar
    QPalette::Window,          // desktop
    QPalette::Highlight,       // active caption
    QPalette::Mid,             // inactive caption
    QPalette::Window,          // menu
    QPalette::Base,            // window
    QPalette::Shadow,          // window frame
    QPalette::WindowText,      // menu text
    QPalette::Text,            // window text
    QPalette::HighlightedText, // caption text
    QPalette::Window,          // active border
    QPalette::Window,          // inactive border
    QPalette::Dark,            // application workspace
    QPalette::Highlight,       // highlight
    QPalette::HighlightedText, // highlight text
    QPalette::Button,          // button face
    QPalette::Mid,             // button shadow
    QPalette::PlaceholderText, // grey text
    QPalette::ButtonText,      // button text
    QPalette::Text,            // inactive caption text
    QPalette::Light,           // button highlight
    QPalette::Shadow,          // 3D dark shadow
    QPalette::Midlight,        // 3D light
    QPalette::ToolTipText,     // info text
    QPalette::ToolTipBase,     // info background
    QPalette::Base,            // (unnamed)
    QPalette::Link,            // hot light
    QPalette::Highlight,       // gradient active caption
    QPalette::Mid,             // gradient inactive caption
    QPalette::Highlight,       // menu highlight
    QPalette::Window,          // menu bar
};

// The Japanese faces of the systems the stored fonts come from, and the
// Japanese faces Debian installs, nearest first. Qt tries a substitute only
// when the named face itself is not installed.
void SubstituteJapaneseFaces() {
    static const QStringList installable{
        QStringLiteral("IPAPGothic"),       QStringLiteral("VL PGothic"),
        QStringLiteral("Noto Sans CJK JP"), QStringLiteral("TakaoPGothic"),
        QStringLiteral("IPAexGothic"),      QStringLiteral("IPAGothic"),
        QStringLiteral("VL Gothic"),        QStringLiteral("Droid Sans Japanese")};
    for (const QString& face : {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("ＭＳ ゴシック"),
                                QStringLiteral("ＭＳ ＵＩ ゴシック"), QStringLiteral("MS PGothic"),
                                QStringLiteral("MS Gothic"), QStringLiteral("MS UI Gothic"),
                                QStringLiteral("メイリオ"), QStringLiteral("Meiryo")})
        QFont::insertSubstitutions(face, installable);
}

} // namespace

QColor ToQColor(TColor color, const QPalette& palette) {
    if (color == ColorNone)
        return QColor(Qt::transparent);
    if (color == ColorDefault)
        return {};
    if (color >= SystemColorBase) {
        const TColor index = color - SystemColorBase;
        return index < SystemColorRoles.size() ? palette.color(SystemColorRoles[index]) : QColor();
    }
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

QFont ToQFont(const TFontDesc& desc) {
    static const bool substituted = (SubstituteJapaneseFaces(), true);
    Q_UNUSED(substituted);
    QFont font(desc.Name);
    if (desc.Size > 0)
        font.setPointSize(desc.Size);
    font.setBold(desc.Style & TFontDesc::Bold);
    font.setItalic(desc.Style & TFontDesc::Italic);
    font.setUnderline(desc.Style & TFontDesc::Underline);
    font.setStrikeOut(desc.Style & TFontDesc::StrikeOut);
    if (desc.Pitch == TFontDesc::FixedPitch)
        font.setFixedPitch(true);
    return font;
}

TFontDesc ToFontDesc(const QFont& font, const TFontDesc& base) {
    TFontDesc desc = base;
    desc.Name = font.family();
    if (font.pointSize() > 0)
        desc.Size = font.pointSize();
    desc.Style = (font.bold() ? TFontDesc::Bold : 0) | (font.italic() ? TFontDesc::Italic : 0) |
                 (font.underline() ? TFontDesc::Underline : 0) |
                 (font.strikeOut() ? TFontDesc::StrikeOut : 0);
    return desc;
}
