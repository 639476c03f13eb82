#pragma once

#include <QPersistentModelIndex>
#include <QTreeView>

#include "ListRow.h"

class TStatusListModel;

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

signals:
    // A row's selection changed: the selection hook (ListViewFriendsSelectItem).
    void SelectItem(int row, bool selected);

protected:
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

private:
    TStatusListModel* StatusModel;
    QPersistentModelIndex Selected;
};
