// A hand-edited word or ID list file: what it reads as must write out and
// read back the same.
#include "FuzzSupport.h"
#include "ListFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = ScratchPath(QStringLiteral("Quorbel.pic"));
    WriteScratchFile(path, FuzzBytes(data, size));
    const QStringList read = ReadListFile(path);
    for (const QString& entry : read)
        FuzzCheck(!entry.contains(u'\r') && !entry.contains(u'\n') && !entry.contains(u'\0'),
                  "an entry holding a line break or a zero");

    const QString copy = ScratchPath(QStringLiteral("Quorbel.pic1"));
    WriteListFile(copy, read);
    FuzzCheck(ReadListFile(copy) == read, "a list reads back different after a write");
    return 0;
}
