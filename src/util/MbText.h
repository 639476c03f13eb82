#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Character-aware routines over narrow (UTF-8) text. A multi-byte character is
// one UTF-8 sequence: a lead byte 0xC2-0xF4 followed by its continuation bytes;
// every other byte is a single-byte character. Cursors are byte offsets.

// True when the byte at pos starts a complete multi-byte sequence.
bool IsDbcsChar(const QByteArray& text, qsizetype pos);

// Width in bytes of the character at pos (0 at the end of the text).
int MbCharWidth(const QByteArray& text, qsizetype pos);

// Advances pos past the character there and returns the step (0 at the end).
int NextMbChar(const QByteArray& text, qsizetype& pos);

// 0 when the characters at the two cursors are equal (both cursors then move
// past them), non-zero otherwise with the cursors unchanged.
int CompareMbChar(const QByteArray& a, qsizetype& posA, const QByteArray& b, qsizetype& posB);

// True when text at pos begins with the whole pattern, character by character.
bool MbStartsWith(const QByteArray& text, qsizetype pos, const QByteArray& pattern);

// 1-based character position of the first occurrence of pattern in text; 0 when
// absent or when either is empty. Matches start only on character boundaries.
int MbPos(const QByteArray& pattern, const QByteArray& text);

// Number of characters; 0 for an empty text.
int MbLength(const QByteArray& text);

// Number of characters before the first zero byte.
int MbCount(const QByteArray& text);

// The text of UTF-8 bytes, a leading U+FEFF included. QString::fromUtf8 drops
// it as a byte-order mark, so a line or value that begins with one would lose
// it on every read; a file's own mark is taken off by its reader.
QString Utf8ToString(QByteArrayView bytes);
