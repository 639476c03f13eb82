#include "CarrierEmoji.h"
#include "DrawnText.h"

#include <ostream>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include "TestPaths.h"

namespace {

QString Emoji(const char* utf8) {
    return QString::fromUtf8(utf8);
}

struct EmojiCase {
    char16_t carrier;
    const char* standard; // UTF-8; empty for a character that stays
    const char* why;
};

// Names the case in test listings by its code point.
void PrintTo(const EmojiCase& c, std::ostream* out) {
    *out << "U+" << std::hex << std::uppercase << unsigned(c.carrier);
}

class CarrierEmojiTest : public testing::TestWithParam<EmojiCase> {};

TEST_P(CarrierEmojiTest, MapsTheCarrierCodePointToTheStandardEmoji) {
    const EmojiCase& c = GetParam();
    EXPECT_EQ(StandardEmoji(c.carrier).toString(), Emoji(c.standard)) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CarrierEmojiTest,
    testing::Values(
        // DoCoMo: F89F (U+E63E) is the sun, the real service's sample; the
        // area ends at F9FC (U+E757).
        EmojiCase{0xE63E, "☀", "DoCoMo F89F"}, EmojiCase{0xE757, "😱", "DoCoMo F9FC, last"},
        EmojiCase{0xE6E0, "#⃣", "DoCoMo keycap, a sequence"},
        // KDDI: F660 (U+E488) is its sun; its first code F340 is U+E234.
        EmojiCase{0xE488, "☀", "KDDI F660"}, EmojiCase{0xE5DF, "🎆", "KDDI F7FC, last"},
        // SoftBank: pages U+E001.., U+E101.. up to U+E501..; F98B is U+E04A.
        EmojiCase{0xE001, "👦", "SoftBank F941, first"}, EmojiCase{0xE04A, "☀", "SoftBank F98B"},
        EmojiCase{0xE022, "❤", "SoftBank F962"}, EmojiCase{0xE415, "😄", "SoftBank FB55"},
        EmojiCase{0xE50B, "🇯🇵", "SoftBank flag, two code points"},
        EmojiCase{0xE537, "™", "SoftBank FBD7, last"},
        // KDDI's F340 and SoftBank's F7D4 are both U+E234: SoftBank's wins.
        EmojiCase{0xE234, "➡", "shared by KDDI (🍂) and SoftBank"},
        // Private Use Area characters no carrier uses, and ordinary ones, stay.
        EmojiCase{0xE000, "", "below every carrier"}, EmojiCase{0xE758, "", "above DoCoMo"},
        EmojiCase{0xF8FF, "", "end of the area"}, EmojiCase{u'a', "", "ASCII"}));

TEST(CarrierEmojiTest, TheRealSampleEndsInTheSun) {
    QFile file(TestDataPath(QStringLiteral("model/wassr_public_timeline.json")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QJsonDocument::fromJson(file.readAll()).array().at(0)["text"].toString();
    ASSERT_EQ(text.back(), QChar(0xE63E));
    const QString standard = WithStandardEmoji(text);
    EXPECT_EQ(standard, text.chopped(1) + Emoji("☀"));
    EXPECT_EQ(DrawnText(text), standard);
}

TEST(DrawnTextTest, LeavesOutBidiControlsAndMapsPositions) {
    // Drawn as stored, "bidi gnp.exe": no override turns it into "exe.png".
    const QString source = QStringLiteral("bidi \u202Egnp.exe\u202C");
    const TDrawnText drawn(source);
    EXPECT_EQ(drawn.Text(), QStringLiteral("bidi gnp.exe"));
    EXPECT_EQ(drawn.DrawnPosition(5), 5); // the override: where "g" is drawn
    EXPECT_EQ(drawn.DrawnPosition(6), 5);
    EXPECT_EQ(drawn.DrawnPosition(source.size()), drawn.Text().size());
    EXPECT_EQ(drawn.SourcePosition(5), 6);
    // Copying gives what is stored.
    EXPECT_EQ(drawn.CopyText(0, drawn.Text().size()), source);
    EXPECT_EQ(drawn.CopyText(5, 8), QStringLiteral("gnp"));
    EXPECT_EQ(drawn.CopyText(3, 3), QString());
    // The other controls: every embedding, override and isolate.
    EXPECT_EQ(DrawnText(QStringLiteral("\u202Aa\u202Bb\u202Dc\u2066d\u2067e\u2068f\u2069")),
              QStringLiteral("abcdef"));
    EXPECT_EQ(DrawnText(QStringLiteral("\u200Fmark stays")), QStringLiteral("\u200Fmark stays"));
}

TEST(DrawnTextTest, LeavesOutControlCharactersAndCopiesThem) {
    const QString nul(QChar(0));
    const struct {
        QString Source;
        QString Drawn;
    } cases[] = {
        {QStringLiteral("ta\nro"), QStringLiteral("taro")},
        {QStringLiteral("a\tb\r\nc"), QStringLiteral("abc")},
        {QStringLiteral("x") + nul + QStringLiteral("y"), QStringLiteral("xy")},
        {QStringLiteral("\x1B[31m\x7F\u0085\u009F!"), QStringLiteral("[31m!")},
        {QStringLiteral("\u00A0\u00E9 \u3042"), QStringLiteral("\u00A0\u00E9 \u3042")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Source.toStdString());
        const TDrawnText drawn(c.Source);
        EXPECT_EQ(drawn.Text(), c.Drawn);
        EXPECT_EQ(IsDrawnAsStored(c.Source), c.Source == c.Drawn);
        EXPECT_EQ(drawn.CopyText(0, drawn.Text().size()), c.Source);
    }
    const TDrawnText id(QStringLiteral("ta\nro"));
    EXPECT_EQ(id.DrawnPosition(2), 2); // the line feed: where "r" is drawn
    EXPECT_EQ(id.SourcePosition(2), 3);
}

TEST(DrawnTextTest, EmojiSequencesShiftLaterPositions) {
    // The flag is four code units drawn for one stored; the keycap two.
    const QString source = QStringLiteral("a\uE50Bb\uE6E0@c");
    const TDrawnText drawn(source);
    EXPECT_EQ(drawn.Text(), Emoji("a🇯🇵b#⃣@c"));
    EXPECT_EQ(drawn.DrawnPosition(2), 5);               // "b"
    EXPECT_EQ(drawn.DrawnPosition(4), 8);               // "@"
    EXPECT_EQ(drawn.SourcePosition(3), 1);              // inside the flag: the flag
    EXPECT_EQ(drawn.SourcePosition(8), 4);              // "@"
    EXPECT_EQ(drawn.CopyText(1, 6), Emoji("🇯🇵b"));      // copies carry standard emoji
    EXPECT_EQ(WithStandardEmoji(source), drawn.Text()); // nothing else differs
    EXPECT_EQ(TDrawnText(QStringLiteral("plain")).SourcePosition(2), 2);
}

} // namespace
