#include "FontIni.h"

#include "IniFile.h"

namespace {

const QString Section = QStringLiteral("Option");

} // namespace

void LoadFontFromIni(const TIniFile& ini, const QString& prefix, TFontDesc& font) {
    const int style = ini.ReadInteger(Section, prefix + QStringLiteral("FontStyle"), 0);
    if (style != 0)
        font.Style = style & (TFontDesc::Bold | TFontDesc::Italic | TFontDesc::Underline |
                              TFontDesc::StrikeOut);
    const int pitch = ini.ReadInteger(Section, prefix + QStringLiteral("FontPitch"), 0);
    if (pitch == TFontDesc::VariablePitch || pitch == TFontDesc::FixedPitch)
        font.Pitch = pitch;
    const QString color =
        ini.ReadString(Section, prefix + QStringLiteral("FontColor"), QStringLiteral("clBlack"));
    font.Color = ColorFromText(color).value_or(font.Color);
    font.Name = ini.ReadString(Section, prefix + QStringLiteral("FontName"), TFontDesc().Name);
    const int size =
        ini.ReadInteger(Section, prefix + QStringLiteral("FontSize"), TFontDesc().Size);
    if (size > 0)
        font.Size = size;
    font.Charset =
        ini.ReadInteger(Section, prefix + QStringLiteral("FontCharset"), TFontDesc().Charset);
}

void LoadFontFromIni(const QString& path, const QString& prefix, TFontDesc& font) {
    LoadFontFromIni(TIniFile(path), prefix, font);
}

void SaveFontToIni(TIniFile& ini, const QString& prefix, const TFontDesc& font) {
    ini.WriteInteger(Section, prefix + QStringLiteral("FontStyle"), font.Style);
    ini.WriteInteger(Section, prefix + QStringLiteral("FontPitch"), font.Pitch);
    ini.WriteString(Section, prefix + QStringLiteral("FontColor"), ColorToText(font.Color));
    ini.WriteString(Section, prefix + QStringLiteral("FontName"), font.Name);
    ini.WriteInteger(Section, prefix + QStringLiteral("FontSize"), font.Size);
    ini.WriteInteger(Section, prefix + QStringLiteral("FontCharset"), font.Charset);
}

void SaveFontToIni(const QString& path, const QString& prefix, const TFontDesc& font) {
    TIniFile ini(path);
    SaveFontToIni(ini, prefix, font);
    ini.UpdateFile();
}
