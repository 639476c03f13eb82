#include "IniFile.h"

#include <QFile>

#include "FileReplace.h"
#include "MbText.h"
#include "Numbers.h"

namespace {

const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

bool IsCommentLine(const QByteArray& trimmed) {
    return trimmed.startsWith(';') || trimmed.startsWith('#');
}

// A value is one line of the file: a line break inside it would let the
// value write keys of its own, so each one becomes a blank.
QByteArray OneLine(const QString& value) {
    QByteArray bytes = value.toUtf8();
    bytes.replace('\r', ' ').replace('\n', ' ');
    return bytes;
}

} // namespace

TIniFile::TIniFile(QString path, bool ownerOnly) : Path(std::move(path)), OwnerOnly(ownerOnly) {
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray text = file.readAll();
    if (text.startsWith(Utf8Bom)) {
        HasBom = true;
        text.remove(0, Utf8Bom.size());
    }
    const qsizetype firstBreak = text.indexOf('\n');
    if (firstBreak >= 0 && (firstBreak == 0 || text[firstBreak - 1] != '\r'))
        LineBreak = QByteArrayLiteral("\n");
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        Lines.push_back(ParseLine(text.mid(start, end - start)));
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
}

TIniFile::TLine TIniFile::ParseLine(QByteArray raw) {
    TLine line;
    const QByteArray trimmed = raw.trimmed();
    if (trimmed.startsWith('[')) {
        const qsizetype close = trimmed.indexOf(']');
        line.Kind = LineKind::Section;
        line.Name = Fold(QString::fromUtf8(trimmed.mid(1, close < 0 ? -1 : close - 1)));
    } else if (!IsCommentLine(trimmed)) {
        const qsizetype equals = trimmed.indexOf('=');
        if (equals >= 0) {
            line.Kind = LineKind::Key;
            line.Name = Fold(QString::fromUtf8(trimmed.left(equals)));
        }
    }
    line.Raw = std::move(raw);
    return line;
}

QString TIniFile::Fold(const QString& name) {
    return name.trimmed().toCaseFolded();
}

qsizetype TIniFile::FindSection(const QString& folded) const {
    for (qsizetype i = 0; i < qsizetype(Lines.size()); ++i) {
        if (Lines[i].Kind == LineKind::Section && Lines[i].Name == folded)
            return i;
    }
    return -1;
}

qsizetype TIniFile::SectionEnd(qsizetype sectionIndex) const {
    qsizetype end = sectionIndex + 1;
    while (end < qsizetype(Lines.size()) && Lines[end].Kind != LineKind::Section)
        ++end;
    return end;
}

qsizetype TIniFile::FindKey(qsizetype sectionIndex, const QString& folded) const {
    const qsizetype end = SectionEnd(sectionIndex);
    for (qsizetype i = sectionIndex + 1; i < end; ++i) {
        if (Lines[i].Kind == LineKind::Key && Lines[i].Name == folded)
            return i;
    }
    return -1;
}

const TIniFile::TLine* TIniFile::FindValueLine(const QString& section, const QString& key) const {
    const qsizetype sectionIndex = FindSection(Fold(section));
    if (sectionIndex < 0)
        return nullptr;
    const qsizetype keyIndex = FindKey(sectionIndex, Fold(key));
    return keyIndex < 0 ? nullptr : &Lines[keyIndex];
}

bool TIniFile::SectionExists(const QString& section) const {
    return FindSection(Fold(section)) >= 0;
}

bool TIniFile::ValueExists(const QString& section, const QString& key) const {
    return FindValueLine(section, key) != nullptr;
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
    const TLine* line = FindValueLine(section, key);
    if (!line)
        return def;
    const QByteArray& raw = line->Raw;
    QByteArrayView bytes = QByteArrayView(raw).sliced(raw.indexOf('=') + 1);
    // A zero byte ends the value, as it ends a password when it is scrambled:
    // what follows it would not survive the next save.
    if (const qsizetype zero = bytes.indexOf('\0'); zero >= 0)
        bytes.truncate(zero);
    QString value = Utf8ToString(bytes).trimmed();
    if (value.size() > MaxValueLength) {
        // Never cut a surrogate pair in half.
        const bool splitsPair = value[MaxValueLength - 1].isHighSurrogate();
        value.truncate(MaxValueLength - (splitsPair ? 1 : 0));
    }
    return value;
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int def) const {
    return ParseInteger(ReadString(section, key, QString())).value_or(def);
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool def) const {
    const std::optional<qint32> value = ParseInteger(ReadString(section, key, QString()));
    return value ? *value != 0 : def;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    const QByteArray keyLine = OneLine(key) + '=' + OneLine(value);
    const qsizetype sectionIndex = FindSection(Fold(section));
    if (sectionIndex < 0) {
        Lines.push_back(ParseLine('[' + OneLine(section) + ']'));
        Lines.push_back(ParseLine(keyLine));
        return;
    }
    const qsizetype keyIndex = FindKey(sectionIndex, Fold(key));
    if (keyIndex >= 0) {
        Lines[keyIndex] = ParseLine(keyLine);
        return;
    }
    // After the section's last non-blank line, so the blank lines that part
    // it from the next section stay where they are.
    qsizetype insertAt = SectionEnd(sectionIndex);
    while (insertAt > sectionIndex + 1 && Lines[insertAt - 1].Raw.trimmed().isEmpty())
        --insertAt;
    Lines.insert(Lines.begin() + insertAt, ParseLine(keyLine));
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QByteArray TIniFile::Text() const {
    QByteArray text;
    if (HasBom)
        text += Utf8Bom;
    for (const TLine& line : Lines)
        text += line.Raw + LineBreak;
    return text;
}

void TIniFile::UpdateFile() const {
    ReplaceFile(Path, Text(), OwnerOnly);
}
