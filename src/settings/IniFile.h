#pragma once

#include <vector>

#include <QByteArray>
#include <QString>

// A UTF-8 INI text held in memory. Section and key names match without regard
// to case; values are read trimmed and at most MaxValueLength characters long.
// A write replaces one key's line and keeps every other line (comments,
// unknown sections and keys, order); a new key goes at the end of its section,
// a new section at the end of the file. Nothing reaches the disk until
// UpdateFile, which replaces the file atomically.
class TIniFile final {
public:
    static constexpr int MaxValueLength = 2047;

    // Reads the file now; a missing or unreadable file reads as empty. With
    // ownerOnly the file is written readable by its owner only.
    explicit TIniFile(QString path, bool ownerOnly = false);

    QString FileName() const { return Path; }

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;

    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // Decimal, "$" or "0x" hexadecimal; anything else yields def.
    int ReadInteger(const QString& section, const QString& key, int def) const;
    // An integer, true unless 0; anything else yields def.
    bool ReadBool(const QString& section, const QString& key, bool def) const;

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);

    // The whole text as UpdateFile writes it.
    QByteArray Text() const;
    // Replaces the file with Text() in one atomic step. Throws TWriteError and
    // leaves the old file as it was when that fails.
    void UpdateFile() const;

private:
    enum class LineKind { Other, Section, Key };
    struct TLine {
        QByteArray Raw;
        LineKind Kind = LineKind::Other;
        QString Name; // case-folded section or key name
    };

    static TLine ParseLine(QByteArray raw);
    static QString Fold(const QString& name);
    // Index of the section line, or -1.
    qsizetype FindSection(const QString& folded) const;
    // Index of the key's line within the section starting at sectionIndex, or -1.
    qsizetype FindKey(qsizetype sectionIndex, const QString& folded) const;
    qsizetype SectionEnd(qsizetype sectionIndex) const;
    const TLine* FindValueLine(const QString& section, const QString& key) const;

    QString Path;
    bool OwnerOnly = false;
    bool HasBom = false;
    QByteArray LineBreak = QByteArrayLiteral("\r\n");
    std::vector<TLine> Lines;
};
