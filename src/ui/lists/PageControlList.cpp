#include "PageControlList.h"

#include <algorithm>
#include <numeric>

#include <QAbstractItemView>
#include <QEvent>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QVBoxLayout>

#include "Pictures.h"
#include "TabRows.h"

namespace {

// The plain picture of each sheet: timeline, message, reply, pickup, favourite, search.
int PlainPicture(int j) {
    if (j >= TabPickupWord && j < TabPickupWord + NumberedTabCount)
        return 3;
    if (j >= TabFavID && j < TabFavID + NumberedTabCount)
        return 4;
    return j == TabSearch ? 5 : j; // timeline 0, message 1, reply 2
}

const QString NewsMark = QStringLiteral("(*)");

} // namespace

TPageControlList::TPageControlList(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("PageControlList"));
    setIconSize(QSize(TabPictureSize, TabPictureSize));
    // Captionless: each insertion lays out every tab, which costs little
    // until they have text to measure.
    for (int j = 0; j < TabCount; ++j) {
        auto* sheet = new QWidget;
        sheet->setObjectName(TabSheetNames[size_t(j)]);
        (new QVBoxLayout(sheet))->setContentsMargins(0, 0, 0, 0);
        Sheets[size_t(j)] = sheet;
        addTab(sheet, QString());
    }
    ShownPictures.fill(-1);
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        SyncRows();
        if (index >= 0)
            emit SheetChanged(TabSheetIndex(widget(index)->objectName()));
    });
}

void TPageControlList::FillSheet(int j, QWidget* content) {
    Sheet(j)->layout()->addWidget(content);
    NameList(j);
}

int TPageControlList::ActiveSheet() const {
    const QWidget* sheet = currentWidget();
    return sheet ? TabSheetIndex(sheet->objectName()) : -1;
}

void TPageControlList::ActivateSheet(int j) {
    setCurrentWidget(Sheet(j));
}

void TPageControlList::SetCaption(int j, const QString& caption) {
    Captions[size_t(j)] = caption;
    // A new caption is shown plain until the next merge marks the sheet again;
    // the news picture stays.
    Signed[size_t(j)] = false;
    NameList(j);
    UpdateTab(j);
}

QString TPageControlList::ShownCaption(int j) const {
    return Captions[size_t(j)] + (News[size_t(j)] && Signed[size_t(j)] ? NewsMark : QString());
}

void TPageControlList::SetNews(int j, bool news, bool sign) {
    News[size_t(j)] = news;
    Signed[size_t(j)] = sign;
    UpdateTab(j);
}

int TPageControlList::PictureIndex(int j) const {
    return PlainPicture(j) + (News[size_t(j)] ? TabPictureCount : 0);
}

void TPageControlList::SetPictures(QList<QIcon> pictures) {
    Pictures = std::move(pictures);
    for (int j = 0; j < TabCount; ++j)
        UpdateTab(j);
}

void TPageControlList::SetSheetVisible(int j, bool visible) {
    setTabVisible(indexOf(Sheet(j)), visible);
    SyncRows();
}

bool TPageControlList::IsSheetVisible(int j) const {
    return isTabVisible(indexOf(Sheet(j)));
}

void TPageControlList::ArrangeSheets(const std::array<int, TabCount>& keys) {
    std::array<int, TabCount> order;
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&keys](int a, int b) { return keys[size_t(a)] < keys[size_t(b)]; });
    for (int position = 0; position < TabCount; ++position) {
        const int from = indexOf(Sheet(order[size_t(position)]));
        if (from != position)
            tabBar()->moveTab(from, position);
    }
    SyncRows();
}

void TPageControlList::SetMultiLine() {
    if (Rows)
        return;
    tabBar()->hide();
    Rows = new TTabRows(*this);
    setFocusProxy(Rows);
    SyncRows();
}

QSize TPageControlList::minimumSizeHint() const {
    QSize hint = QTabWidget::minimumSizeHint();
    if (!Rows)
        return hint;
    // The rows in place of the bar's one; before the first layout there is no
    // width to wrap at, so one row.
    const QSize bar = tabBar()->minimumSizeHint();
    const int rows = isVisible() ? Rows->heightForWidth(width()) : Rows->sizeHint().height();
    return hint +
           QSize(std::max(0, Rows->minimumSizeHint().width() - bar.width()), rows - bar.height());
}

bool TPageControlList::event(QEvent* event) {
    const bool handled = QTabWidget::event(event);
    // Each of these lays out the bar and the pages again.
    if (Rows && (event->type() == QEvent::Resize || event->type() == QEvent::Show ||
                 event->type() == QEvent::LayoutRequest))
        PlaceRows();
    return handled;
}

void TPageControlList::initStyleOption(QStyleOptionTabWidgetFrame* option) const {
    QTabWidget::initStyleOption(option);
    if (!Rows)
        return;
    // The frame of the pages starts below the rows, open under the active tab.
    option->tabBarSize = QSize(width(), Rows->heightForWidth(width()));
    option->selectedTabRect = Rows->CurrentTabRect().translated(Rows->pos());
}

void TPageControlList::PlaceRows() {
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    Rows->setGeometry(style()->subElementRect(QStyle::SE_TabWidgetTabBar, &option, this));
}

void TPageControlList::SyncRows() {
    if (Rows)
        Rows->Sync();
}

void TPageControlList::UpdateTab(int j) {
    const int index = indexOf(Sheet(j));
    QString shown = ShownCaption(j);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&")); // a caption, not a mnemonic
    if (tabText(index) != shown)
        setTabText(index, shown);
    const int picture = PictureIndex(j) < Pictures.size() ? PictureIndex(j) : -1;
    if (ShownPictures[size_t(j)] != picture) {
        ShownPictures[size_t(j)] = picture;
        setTabIcon(index, picture >= 0 ? Pictures.at(picture) : QIcon());
    }
    SyncRows();
}

void TPageControlList::NameList(int j) {
    if (auto* list = Sheets[size_t(j)]->findChild<QAbstractItemView*>())
        list->setAccessibleName(Captions[size_t(j)]);
}
