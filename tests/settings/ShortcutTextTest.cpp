#include <gtest/gtest.h>

#include <QMetaEnum>

#include "ShortcutText.h"

namespace {

QKeyCombination Combo(Qt::KeyboardModifiers modifiers, Qt::Key key) {
    return QKeyCombination(modifiers, key);
}

TEST(ShortcutTextTest, WritesModifiersInOrderAndTheFileKeyNames) {
    const struct {
        QKeyCombination Shortcut;
        const char* Text;
    } cases[] = {
        {Combo(Qt::ControlModifier, Qt::Key_R), "Ctrl+R"},
        {Combo(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_X), "Shift+Ctrl+X"},
        {Combo(Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Delete),
         "Shift+Ctrl+Alt+Del"},
        {Combo(Qt::NoModifier, Qt::Key_F1), "F1"},
        {Combo(Qt::NoModifier, Qt::Key_F24), "F24"},
        {Combo(Qt::KeypadModifier | Qt::ControlModifier, Qt::Key_5), "Ctrl+5"},
        {Combo(Qt::NoModifier, Qt::Key_Backspace), "BkSp"},
        {Combo(Qt::NoModifier, Qt::Key_Tab), "Tab"},
        {Combo(Qt::NoModifier, Qt::Key_Escape), "Esc"},
        {Combo(Qt::NoModifier, Qt::Key_Return), "Enter"},
        {Combo(Qt::NoModifier, Qt::Key_Space), "Space"},
        {Combo(Qt::NoModifier, Qt::Key_PageUp), "PgUp"},
        {Combo(Qt::NoModifier, Qt::Key_PageDown), "PgDn"},
        {Combo(Qt::NoModifier, Qt::Key_End), "End"},
        {Combo(Qt::NoModifier, Qt::Key_Home), "Home"},
        {Combo(Qt::NoModifier, Qt::Key_Left), "Left"},
        {Combo(Qt::NoModifier, Qt::Key_Up), "Up"},
        {Combo(Qt::NoModifier, Qt::Key_Right), "Right"},
        {Combo(Qt::NoModifier, Qt::Key_Down), "Down"},
        {Combo(Qt::NoModifier, Qt::Key_Insert), "Ins"},
        {Combo(Qt::AltModifier, Qt::Key_Delete), "Alt+Del"},
        {Combo(Qt::NoModifier, Qt::Key_Enter), "NumEnter"},
        {Combo(Qt::NoModifier, Qt::Key_Print), "Print"},
        {Combo(Qt::MetaModifier | Qt::AltModifier, Qt::Key_Q), "Alt+Meta+Q"},
        {Combo(Qt::NoModifier, Qt::Key(0x0439)), "U+439"},
        {Combo(Qt::ControlModifier, Qt::Key_unknown), ""},
        {Combo(Qt::ControlModifier, Qt::Key_Shift), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShortcutToText(c.Shortcut), QString::fromLatin1(c.Text)) << c.Text;
}

TEST(ShortcutTextTest, ReadsPrefixesInAnyOrderAndCase) {
    const struct {
        const char* Text;
        QKeyCombination Shortcut;
    } cases[] = {
        {"ctrl+shift+x", Combo(Qt::ShiftModifier | Qt::ControlModifier, Qt::Key_X)},
        {"^C", Combo(Qt::ControlModifier, Qt::Key_C)},
        {"^c", Combo(Qt::ControlModifier, Qt::Key_C)},
        {"ALT+^pgdn", Combo(Qt::AltModifier | Qt::ControlModifier, Qt::Key_PageDown)},
        {"bksp", Combo(Qt::NoModifier, Qt::Key_Backspace)},
        {"Shift+Shift+f12", Combo(Qt::ShiftModifier, Qt::Key_F12)},
        {"enter", Combo(Qt::NoModifier, Qt::Key_Return)},
        {"u+439", Combo(Qt::NoModifier, Qt::Key(0x0439))},
        // Nothing that names a key: no shortcut.
        {"", Qt::Key_unknown},
        {"Ctrl+", Qt::Key_unknown},
        {"Shift+Ctrl+Alt+", Qt::Key_unknown},
        {"^", Qt::Key_unknown},
        {"Shift", Qt::Key_unknown},
        {"Ctrl+NoSuchKey", Qt::Key_unknown},
        {"Ctrl +R", Qt::Key_unknown},
        {"U+41", Qt::Key_unknown},      // that is "A"
        {"U+2000041", Qt::Key_unknown}, // modifier bits
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShortcutFromText(QString::fromLatin1(c.Text)), c.Shortcut) << c.Text;
}

TEST(ShortcutTextTest, EveryKeyRoundTripsWithEveryModifierSet) {
    const Qt::KeyboardModifiers modifierSets[] = {
        Qt::NoModifier,
        Qt::ShiftModifier,
        Qt::ControlModifier,
        Qt::AltModifier,
        Qt::MetaModifier,
        Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier,
    };
    QList<int> keys;
    const QMetaEnum names = QMetaEnum::fromType<Qt::Key>();
    for (int i = 0; i < names.keyCount(); ++i)
        keys.append(names.value(i));
    // Keys a layout delivers by their character, which Qt has no name for.
    keys << 0x0439 << 0x3042 << 0x20AC;
    int checked = 0;
    for (int key : keys) {
        const QKeyCombination plain{Qt::Key(key)};
        if (ShortcutToText(plain).isEmpty())
            continue; // unknown or a modifier key alone
        for (Qt::KeyboardModifiers modifiers : modifierSets) {
            const QKeyCombination shortcut(modifiers, Qt::Key(key));
            const QString text = ShortcutToText(shortcut);
            EXPECT_EQ(ShortcutFromText(text), shortcut) << text.toStdString();
        }
        ++checked;
    }
    EXPECT_GT(checked, 400);
}

TEST(ShortcutTextTest, TheFileKeyNamesReadInAnyCase) {
    QList<Qt::Key> keys{Qt::Key_Backspace, Qt::Key_Tab,    Qt::Key_Escape,   Qt::Key_Return,
                        Qt::Key_Space,     Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_End,
                        Qt::Key_Home,      Qt::Key_Left,   Qt::Key_Up,       Qt::Key_Right,
                        Qt::Key_Down,      Qt::Key_Insert, Qt::Key_Delete};
    for (int k = Qt::Key_A; k <= Qt::Key_Z; ++k)
        keys.append(Qt::Key(k));
    for (int k = Qt::Key_0; k <= Qt::Key_9; ++k)
        keys.append(Qt::Key(k));
    for (int k = Qt::Key_F1; k <= Qt::Key_F24; ++k)
        keys.append(Qt::Key(k));
    for (Qt::Key key : keys) {
        const QKeyCombination shortcut(Qt::ShiftModifier | Qt::AltModifier, key);
        const QString text = ShortcutToText(shortcut);
        EXPECT_EQ(ShortcutFromText(text.toLower()), shortcut) << text.toStdString();
        EXPECT_EQ(ShortcutFromText(text.toUpper()), shortcut) << text.toStdString();
    }
    // Qt has names that differ only in case; each still reads back as itself.
    EXPECT_EQ(ShortcutFromText(ShortcutToText(Qt::Key_Dead_a)), QKeyCombination(Qt::Key_Dead_a));
    EXPECT_EQ(ShortcutFromText(ShortcutToText(Qt::Key_Dead_A)), QKeyCombination(Qt::Key_Dead_A));
}

} // namespace
