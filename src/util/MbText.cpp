#include "MbText.h"

#include <cstring>

#include <QStringDecoder>

namespace {

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

int SequenceLength(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 1;
}

} // namespace

int MbCharWidth(const QByteArray& text, qsizetype pos) {
    if (pos < 0 || pos >= text.size())
        return 0;
    const int length = SequenceLength(static_cast<unsigned char>(text[pos]));
    if (length == 1 || pos + length > text.size())
        return 1;
    for (int i = 1; i < length; ++i) {
        if (!IsContinuation(text[pos + i]))
            return 1;
    }
    return length;
}

bool IsDbcsChar(const QByteArray& text, qsizetype pos) {
    return MbCharWidth(text, pos) > 1;
}

int NextMbChar(const QByteArray& text, qsizetype& pos) {
    const int step = MbCharWidth(text, pos);
    pos += step;
    return step;
}

int CompareMbChar(const QByteArray& a, qsizetype& posA, const QByteArray& b, qsizetype& posB) {
    const int widthA = MbCharWidth(a, posA);
    const int widthB = MbCharWidth(b, posB);
    const int width = (widthA > 1 && widthB > 1) ? widthA : 1;
    if (widthA == 0 || widthB == 0 || (widthA > 1 && widthB > 1 && widthA != widthB))
        return 1;
    const int result = std::memcmp(a.constData() + posA, b.constData() + posB, width);
    if (result == 0) {
        posA += width;
        posB += width;
    }
    return result;
}

bool MbStartsWith(const QByteArray& text, qsizetype pos, const QByteArray& pattern) {
    if (pattern.isEmpty() || pos >= text.size() || text[pos] != pattern[0])
        return false;
    qsizetype patternPos = 0;
    while (pos < text.size() && patternPos < pattern.size()) {
        if (CompareMbChar(text, pos, pattern, patternPos) != 0)
            return false;
    }
    return patternPos == pattern.size();
}

int MbPos(const QByteArray& pattern, const QByteArray& text) {
    if (pattern.isEmpty() || text.isEmpty())
        return 0;
    // Comparing character by character gives the same answer as comparing
    // bytes, so the byte search finds candidates and the walk keeps only those
    // that start on a character boundary.
    qsizetype cursor = 0;
    int position = 1;
    qsizetype from = 0;
    while (true) {
        const qsizetype hit = text.indexOf(pattern, from);
        if (hit < 0)
            return 0;
        while (cursor < hit) {
            NextMbChar(text, cursor);
            ++position;
        }
        if (cursor == hit)
            return position;
        from = hit + 1;
    }
}

int MbCount(const QByteArray& text) {
    const qsizetype end = text.indexOf('\0');
    const QByteArray body = end < 0 ? text : text.left(end);
    int count = 0;
    qsizetype pos = 0;
    while (NextMbChar(body, pos) != 0)
        ++count;
    return count;
}

int MbLength(const QByteArray& text) {
    return text.isEmpty() ? 0 : MbCount(text);
}

QString Utf8ToString(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}
