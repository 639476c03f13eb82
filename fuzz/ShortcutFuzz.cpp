// Shortcut texts from a hand-edited shortcut file: whatever a text reads as
// must write back as a text that reads as the same key, and keep that form.
#include "FuzzSupport.h"
#include "ShortcutText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QKeyCombination read = ShortcutFromText(QString::fromUtf8(FuzzBytes(data, size)));
    const QString written = ShortcutToText(read);
    if (read.key() == Qt::Key_unknown) {
        FuzzCheck(written.isEmpty(), "no key, yet a text for it");
        return 0;
    }
    FuzzCheck(!written.isEmpty(), "a key read that cannot be written");
    const QKeyCombination reread = ShortcutFromText(written);
    FuzzCheck(reread == read, "a written shortcut reads back as another key");
    FuzzCheck(ShortcutToText(reread) == written, "a written shortcut changes when written again");
    return 0;
}
