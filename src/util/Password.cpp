#include "Password.h"

#include "MbText.h"

namespace {

// One fixed byte: the stored password is only kept from plain sight.
constexpr char ScrambleMask = 0x5A;

QByteArray UpToZero(const QByteArray& bytes) {
    const qsizetype end = bytes.indexOf('\0');
    return end < 0 ? bytes : bytes.left(end);
}

QByteArray Masked(QByteArray bytes) {
    for (char& c : bytes)
        c = static_cast<char>(c ^ ScrambleMask);
    return bytes;
}

} // namespace

QByteArray Base64Encode(const QByteArray& data) {
    return data.toBase64();
}

QByteArray Base64Decode(const QByteArray& text) {
    auto result = QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
    return result ? *result : QByteArray();
}

QString ScramblePassword(const QString& text) {
    const QByteArray plain = UpToZero(text.toUtf8());
    if (plain.isEmpty())
        return {};
    return QString::fromLatin1(Base64Encode(Masked(plain)));
}

QString UnscramblePassword(const QString& text) {
    // Unmask first: a "Z" masks to a zero byte, and cutting at that zero would
    // lose the rest of every password holding one.
    return Utf8ToString(UpToZero(Masked(Base64Decode(text.toLatin1()))));
}
