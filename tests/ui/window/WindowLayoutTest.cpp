// The main window at its smallest, in each arrangement of its panes: every
// part whole and apart, also with the splitter pushed to either end.
#include <gtest/gtest.h>

#include <QSplitter>

#include "DetailPane.h"
#include "LayoutCheck.h"
#include "NavigationFixture.h"

namespace {

const char* const Arrangements[] = {
    "", // the detail pane above one row of tabs, the icon shown
    "[UI]\nPanelLayout=1\n[Tabs]\nTabMultiLine=1\n",
    "[UI]\nPanelLayout=2\n[Update]\nVisibleIcon=0\n",
};

using WindowLayoutTest = TNavigationFixture;

TEST_F(WindowLayoutTest, AtItsMinimumSizeNoPartLeavesItsPanelOrCoversAnother) {
    for (const char* arrangement : Arrangements) {
        SCOPED_TRACE(arrangement);
        OpenWithRows(QString::fromUtf8(arrangement));
        Main().resize(1, 1);
        Settle();
        EXPECT_EQ(Main().minimumWidth(), Main().width());
        EXPECT_EQ(Main().minimumHeight(), Main().height());

        auto* splitter = Main().findChild<QSplitter*>(QStringLiteral("SplitterMain"));
        ASSERT_NE(nullptr, splitter);
        const int detail = splitter->indexOf(Main().findChild<TDetailPane*>());
        for (const int detailShare : {0, 1}) {
            SCOPED_TRACE(detailShare ? "the detail pane at its largest" : "at its smallest");
            QList<int> sizes{1, 1};
            sizes[detail] = detailShare ? 1000 : 0;
            splitter->setSizes(sizes);
            Settle();
            EXPECT_EQ(QStringList(), LayoutFaults(&Main()));
        }
        TearDown();
    }
}

} // namespace
