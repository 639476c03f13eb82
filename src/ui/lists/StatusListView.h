#pragma once

#include <QPersistentModelIndex>
#include <QTreeView>

#include "ListRow.h"

class TStatusListModel;

// Where a list stood before its rows changed (TStatusListView::HoldPosition).
struct TScrollHold {
    QPersistentModelIndex Anchor; // the row that keeps its place in the viewport
    int AnchorTop = 0;            // its top, in viewport pixels
    bool AtNewest = false;        // the newest rows were in view
    bool NewestAtBottom = false;
    bool SelectedInView = false;
};

// One of the fourteen status lists: two columns without a header, whole-row
// single selection that stays highlighted without the focus, uniform rows.
// Every selection change repaints the whole list, since row colours follow
// the selected row.
class TStatusListView final : public QTreeView {
    Q_OBJECT
public:
    TStatusListView(const QString& name, TStatusListModel* model, QWidget* parent = nullptr);

    TStatusListModel* Model() const { return StatusModel; }
    int RowCount() const;
    // The selected row, -1 when none.
    int SelectedIndex() const;
    // The selected row's data; null when none.
    const TListRow* SelectedRow() const;
    // Makes the row the only selected and current one and scrolls it into view.
    void SelectRow(int index);

    // Rows are about to arrive: notes what is in view, so that the rows the
    // user is looking at (and aiming the mouse at) do not slide away.
    // newestAtBottom: the list shows the newest rows last (ReverseSort).
    TScrollHold HoldPosition(bool newestAtBottom);
    // After the rows arrived: with the newest rows in view, the newest rows
    // stay in view and the new ones show; otherwise the rows in view stay
    // where they were. A selected row that was in view stays in view.
    void RestorePosition(const TScrollHold& hold);

signals:
    // A row's selection changed: the selection hook (ListViewFriendsSelectItem).
    void SelectItem(int row, bool selected);

protected:
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

private:
    bool RowInView(const QModelIndex& row) const;

    TStatusListModel* StatusModel;
    QPersistentModelIndex Selected;
};
