#include "ListFile.h"

#include <QFile>

#include "Files.h"
#include "WriteError.h"

QStringList ReadListFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray text = file.readAll();
    if (const qsizetype zero = text.indexOf('\0'); zero >= 0)
        text.truncate(zero);
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);

    QStringList list;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        list.append(QString::fromUtf8(text.constData() + start, end - start));
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return list;
}

void WriteListFile(const QString& path, const QStringList& list) {
    QByteArray text;
    for (const QString& entry : list)
        text += entry.toUtf8() + "\r\n";
    if (!WriteFileAtomically(path, text))
        throw TWriteError(path);
}
