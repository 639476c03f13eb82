#pragma once

#include <QString>
#include <QStringView>

// Statuses written on Japanese phones carry their carrier's emoji as Private
// Use Area characters (DoCoMo, KDDI, SoftBank). These routines give the
// standard Unicode emoji for them, as the Unicode Consortium's EmojiSources.txt
// pairs them; where a KDDI and a SoftBank code point coincide, SoftBank's
// meaning is taken (see tools/emojitable).

// The standard emoji (one character or a short sequence) for a carrier's
// emoji; empty for any other character.
QStringView StandardEmoji(char16_t c);

// True when c is one of the carriers' emoji.
inline bool IsCarrierEmoji(char16_t c) {
    return c >= 0xE001 && c <= 0xE757 && !StandardEmoji(c).isEmpty();
}

// The text with each carrier emoji replaced by its standard emoji: what is
// copied and searched.
QString WithStandardEmoji(const QString& text);
