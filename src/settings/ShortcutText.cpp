#include "ShortcutText.h"

#include <array>
#include <utility>

#include <QHash>
#include <QList>
#include <QMetaEnum>

namespace {

struct TKeyName {
    Qt::Key Key;
    const char* Name;
};

// Names of the shortcut file that differ from Qt's own.
constexpr std::array<TKeyName, 9> OwnNames{{
    {Qt::Key_Backspace, "BkSp"},
    {Qt::Key_Escape, "Esc"},
    {Qt::Key_Return, "Enter"},
    {Qt::Key_Enter, "NumEnter"},
    {Qt::Key_PageUp, "PgUp"},
    {Qt::Key_PageDown, "PgDn"},
    {Qt::Key_Insert, "Ins"},
    {Qt::Key_Delete, "Del"},
    {Qt::Key_Space, "Space"},
}};

struct TModifierPrefix {
    const char* Text;
    Qt::KeyboardModifier Modifier;
};

// In the order they are written.
constexpr std::array<TModifierPrefix, 4> WrittenPrefixes{{
    {"Shift+", Qt::ShiftModifier},
    {"Ctrl+", Qt::ControlModifier},
    {"Alt+", Qt::AltModifier},
    {"Meta+", Qt::MetaModifier},
}};

const QString UnnamedPrefix = QStringLiteral("U+");

bool IsModifierKey(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

// Both directions of the key names, built once from Qt's key enumeration.
struct TKeyNames {
    QList<std::pair<int, QString>> Names; // in the order they are looked up
    QHash<int, QString> ByKey;
    QHash<QString, int> ByName; // exact spelling

    TKeyNames() {
        const QMetaEnum keys = QMetaEnum::fromType<Qt::Key>();
        Names.reserve(keys.keyCount());
        ByKey.reserve(keys.keyCount());
        ByName.reserve(keys.keyCount());
        for (const TKeyName& own : OwnNames)
            Add(own.Key, QString::fromLatin1(own.Name));
        for (int i = 0; i < keys.keyCount(); ++i) {
            const int key = keys.value(i);
            if (key == Qt::Key_unknown || IsModifierKey(key) || ByKey.contains(key))
                continue;
            const QString name = QString::fromLatin1(keys.key(i)).mid(4); // past "Key_"
            if (!ByName.contains(name))
                Add(key, name);
        }
    }

    void Add(int key, const QString& name) {
        Names.append({key, name});
        ByKey.insert(key, name);
        ByName.insert(name, key);
    }
};

const TKeyNames& KeyNames() {
    static const TKeyNames names;
    return names;
}

// The first key of each case-folded spelling. Only a name written in another
// case needs it, so it is built on the first such name.
const QHash<QString, int>& FoldedKeyNames() {
    static const QHash<QString, int> table = [] {
        QHash<QString, int> byFolded;
        byFolded.reserve(KeyNames().Names.size());
        for (const auto& [key, name] : KeyNames().Names) {
            const QString folded = name.toCaseFolded();
            if (!byFolded.contains(folded))
                byFolded.insert(folded, key);
        }
        return byFolded;
    }();
    return table;
}

} // namespace

QString ShortcutToText(QKeyCombination shortcut) {
    const int key = shortcut.key();
    if (key == Qt::Key_unknown || key == 0 || IsModifierKey(key))
        return {};
    QString text;
    for (const TModifierPrefix& prefix : WrittenPrefixes) {
        if (shortcut.keyboardModifiers() & prefix.Modifier)
            text += QLatin1String(prefix.Text);
    }
    const auto named = KeyNames().ByKey.constFind(key);
    if (named != KeyNames().ByKey.constEnd())
        return text + *named;
    return text + UnnamedPrefix + QString::number(key, 16).toUpper();
}

QKeyCombination ShortcutFromText(const QString& text) {
    static const std::array<TModifierPrefix, 5> ReadPrefixes{{
        {"Shift+", Qt::ShiftModifier},
        {"Ctrl+", Qt::ControlModifier},
        {"^", Qt::ControlModifier},
        {"Alt+", Qt::AltModifier},
        {"Meta+", Qt::MetaModifier},
    }};
    Qt::KeyboardModifiers modifiers;
    QStringView rest(text);
    for (bool found = true; found;) {
        found = false;
        for (const TModifierPrefix& prefix : ReadPrefixes) {
            const QLatin1String prefixText(prefix.Text);
            if (rest.startsWith(prefixText, Qt::CaseInsensitive)) {
                modifiers |= prefix.Modifier;
                rest = rest.mid(prefixText.size());
                found = true;
            }
        }
    }
    if (rest.isEmpty())
        return Qt::Key_unknown;

    const TKeyNames& names = KeyNames();
    const QString name = rest.toString();
    int key = names.ByName.value(name, Qt::Key_unknown);
    if (key == Qt::Key_unknown)
        key = FoldedKeyNames().value(name.toCaseFolded(), Qt::Key_unknown);
    if (key == Qt::Key_unknown && name.startsWith(UnnamedPrefix, Qt::CaseInsensitive)) {
        bool ok = false;
        const uint code = name.mid(UnnamedPrefix.size()).toUInt(&ok, 16);
        // Only codes that carry no modifier bits and that the names above
        // do not cover; anything else would not read back the same.
        if (ok && code != 0 && code <= uint(Qt::Key_unknown) &&
            !(code & Qt::KeyboardModifierMask) && !names.ByKey.contains(int(code)) &&
            !IsModifierKey(int(code)))
            key = int(code);
    }
    if (key == Qt::Key_unknown)
        return Qt::Key_unknown;
    return QKeyCombination(modifiers, Qt::Key(key));
}
