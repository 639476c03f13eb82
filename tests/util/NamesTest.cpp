#include "InstanceKey.h"
#include "Names.h"

#include <gtest/gtest.h>

namespace {

TEST(NamesTest, SuffixesAndTables) {
    EXPECT_EQ(IndexSuffix(0), QString());
    EXPECT_EQ(IndexSuffix(3), QStringLiteral("3"));
    EXPECT_EQ(IndexSuffix(-1), QString());
    EXPECT_EQ(NumberSuffix(0), QString());
    EXPECT_EQ(NumberSuffix(3), QStringLiteral("4"));
    for (int i = 0; i < NumberedTabCount; ++i) {
        EXPECT_EQ(TabSheetNames[TabPickupWord + i], "TabSheetPickupWord" + IndexSuffix(i));
        EXPECT_EQ(ListViewNames[TabFavID + i], "ListViewFavID" + IndexSuffix(i));
    }
    EXPECT_EQ(TabSheetIndex(QStringLiteral("TabSheetSearch")), 13);
    EXPECT_EQ(TabSheetIndex(QStringLiteral("TabSheetReply")), 2);
    EXPECT_EQ(TabSheetIndex(QStringLiteral("tabsheetreply")), 0);
}

TEST(InstanceKeyTest, KeysOnTheProgramPath) {
    EXPECT_EQ(Md5Hex(""), QStringLiteral("d41d8cd98f00b204e9800998ecf8427e"));
    EXPECT_EQ(Md5Hex("abc"), QStringLiteral("900150983cd24fb0d6963f7d28e17f72"));
    EXPECT_EQ(InstanceName(QStringLiteral("/opt/q/quorbel")),
              "QuorbelInstance" + Md5Hex("/opt/q/quorbel"));
    EXPECT_NE(InstanceName(QStringLiteral("/a/quorbel")),
              InstanceName(QStringLiteral("/b/quorbel")));
}

} // namespace
