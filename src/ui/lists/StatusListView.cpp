#include "StatusListView.h"

#include <QHeaderView>
#include <QScrollBar>

#include "StatusListModel.h"

TStatusListView::TStatusListView(const QString& name, TStatusListModel* model, QWidget* parent)
    : QTreeView(parent), StatusModel(model) {
    setObjectName(name);
    setModel(model);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideRight);
    header()->setSectionsClickable(false);
    header()->setStretchLastSection(true);
    header()->setSectionResizeMode(0, QHeaderView::Interactive);
    setColumnWidth(0, 100);
    // Single-letter commands reach the list instead of an input method.
    setAttribute(Qt::WA_InputMethodEnabled, false);

    // The selection stays highlighted when the list loses the focus.
    QPalette colors = palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colors.setColor(QPalette::Inactive, role, colors.color(QPalette::Active, role));
    setPalette(colors);
}

int TStatusListView::RowCount() const {
    return StatusModel->Count();
}

int TStatusListView::SelectedIndex() const {
    return Selected.isValid() ? Selected.row() : -1;
}

const TListRow* TStatusListView::SelectedRow() const {
    const int i = SelectedIndex();
    return i >= 0 && i < StatusModel->Count() ? &StatusModel->Row(i) : nullptr;
}

void TStatusListView::SelectRow(int index) {
    if (index < 0 || index >= StatusModel->Count())
        return;
    const QModelIndex row = StatusModel->index(index, 0);
    selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect |
                                               QItemSelectionModel::Rows);
    scrollTo(row);
}

TScrollHold TStatusListView::HoldPosition(bool newestAtBottom) {
    // The view lays rows out lazily; what is in view must be up to date.
    executeDelayedItemsLayout();
    TScrollHold hold;
    hold.NewestAtBottom = newestAtBottom;
    const QScrollBar* bar = verticalScrollBar();
    hold.AtNewest =
        newestAtBottom ? bar->value() == bar->maximum() : bar->value() == bar->minimum();
    hold.SelectedInView = Selected.isValid() && RowInView(Selected);
    // The selected row is the one the user works with; else the top row.
    const QModelIndex anchor = hold.SelectedInView ? QModelIndex(Selected) : indexAt(QPoint(0, 0));
    if (anchor.isValid()) {
        hold.Anchor = anchor;
        hold.AnchorTop = visualRect(anchor).top();
    }
    return hold;
}

void TStatusListView::RestorePosition(const TScrollHold& hold) {
    executeDelayedItemsLayout();
    QScrollBar* bar = verticalScrollBar();
    if (hold.AtNewest) {
        bar->setValue(hold.NewestAtBottom ? bar->maximum() : bar->minimum());
    } else if (hold.Anchor.isValid()) {
        const int drift = visualRect(hold.Anchor).top() - hold.AnchorTop;
        const int step =
            verticalScrollMode() == ScrollPerItem ? qMax(1, rowHeight(hold.Anchor)) : 1;
        bar->setValue(bar->value() + drift / step);
    }
    if (hold.SelectedInView && Selected.isValid() && !RowInView(Selected))
        scrollTo(Selected, EnsureVisible);
}

bool TStatusListView::RowInView(const QModelIndex& row) const {
    const QRect rect = visualRect(row);
    return rect.isValid() && viewport()->rect().intersects(rect);
}

void TStatusListView::selectionChanged(const QItemSelection& selected,
                                       const QItemSelection& deselected) {
    QTreeView::selectionChanged(selected, deselected);
    const QModelIndexList rows = selectionModel()->selectedRows();
    Selected = rows.isEmpty() ? QPersistentModelIndex() : QPersistentModelIndex(rows.first());
    viewport()->update();
    for (const QModelIndex& index : deselected.indexes()) {
        if (index.column() == 0)
            emit SelectItem(index.row(), false);
    }
    for (const QModelIndex& index : selected.indexes()) {
        if (index.column() == 0)
            emit SelectItem(index.row(), true);
    }
}
