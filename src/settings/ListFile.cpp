#include "ListFile.h"

#include <QFile>

#include "FileReplace.h"
#include "MbText.h"

namespace {
const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");
} // namespace

QStringList ReadListFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // A zero byte (a careless editor, a binary file) is dropped on its own:
    // ending the text there would lose every entry after it at the next save.
    QByteArray text = file.readAll().replace('\0', QByteArrayView());
    if (text.startsWith(Utf8Bom))
        text.remove(0, Utf8Bom.size());

    QStringList list;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        list.append(Utf8ToString(QByteArrayView(text).sliced(start, end - start)));
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return list;
}

void WriteListFile(const QString& path, const QStringList& list) {
    QByteArray text;
    // A first entry that begins with U+FEFF would read back as the file's
    // byte-order mark and lose it: a mark of the file's own keeps it.
    if (!list.isEmpty() && list.first().startsWith(QChar(0xFEFF)))
        text += Utf8Bom;
    for (const QString& entry : list)
        text += entry.toUtf8() + "\r\n";
    ReplaceFile(path, text);
}
