#include <gtest/gtest.h>

#include "ColorText.h"

namespace {

TEST(ColorTextTest, WritesNamesForNamedColoursAndHexOtherwise) {
    const struct {
        TColor Color;
        const char* Text;
    } cases[] = {
        {0x00000000, "clBlack"},   {0x00FFFFFF, "clWhite"},     {0x00F0CAA6, "clSkyBlue"},
        {ColorNone, "clNone"},     {ColorDefault, "clDefault"}, {0xFF000000, "clScrollBar"},
        {0xFF000018, "clInfoBk"},  {0xFF00001A, "clHotLight"},  {0xFF00001E, "clMenuBar"},
        {0xFF000019, "$FF000019"}, {0x00E8FFE8, "$00E8FFE8"},   {0x00abcdef, "$00ABCDEF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColorToText(c.Color), QString::fromLatin1(c.Text)) << c.Text;
        EXPECT_EQ(ColorFromText(QString::fromLatin1(c.Text)), c.Color) << c.Text;
    }
}

TEST(ColorTextTest, ReadsNamesInAnyCaseAndIntegersInEveryForm) {
    const struct {
        const char* Text;
        std::optional<TColor> Color;
    } cases[] = {
        {"clblack", 0x00000000},
        {"CLRED", 0x000000FF},
        {"clWindowText", 0xFF000008},
        {"cl3ddkshadow", 0xFF000015},
        {"$00e8ffe8", 0x00E8FFE8},
        {"0x0000FF00", 0x0000FF00},
        {"255", 0x000000FF},
        {"$FF00001E", 0xFF00001E},
        // Neither a name nor a colour the lists could draw.
        {"chartreuse", std::nullopt},
        {"", std::nullopt},
        {"$FF00001F", std::nullopt},
        {"$01000000", std::nullopt},
        {"-1", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ColorFromText(QString::fromLatin1(c.Text)), c.Color) << c.Text;
}

} // namespace
