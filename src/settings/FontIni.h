#pragma once

#include <QString>

#include "FontDesc.h"

class TIniFile;

// A font as six keys of section "Option": prefix + "FontStyle", "FontPitch",
// "FontColor", "FontName", "FontSize" and "FontCharset".

// Style and pitch are applied only when not 0; a colour text that names no
// colour and a size that is not positive keep what the font held.
void LoadFontFromIni(const TIniFile& ini, const QString& prefix, TFontDesc& font);
void LoadFontFromIni(const QString& path, const QString& prefix, TFontDesc& font);

// Writes the six keys in the order style, pitch, colour, name, size, charset.
// The path form writes the file at once and throws TWriteError.
void SaveFontToIni(TIniFile& ini, const QString& prefix, const TFontDesc& font);
void SaveFontToIni(const QString& path, const QString& prefix, const TFontDesc& font);
