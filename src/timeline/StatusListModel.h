#pragma once

#include <deque>
#include <memory>
#include <unordered_set>
#include <vector>

#include <QAbstractTableModel>

#include "ListRow.h"

// One of the fourteen status lists as a two-column table: column 0 the
// caption, column 1 the display text.
//
// Roles:
//   Qt::DisplayRole  caption (column 0) or display text (column 1)
//   ItemRole         the row's TQuorbelItem* (as quintptr), 0 when none
//   ImageIndexRole   small picture index, -1 for none
//   StateIndexRole   state mark index, -1 for none
//
// The lists only grow at run time, so insertion and the clearing of new marks
// must not cost a walk over the whole list: rows sit in a deque (cheap at both
// ends), a sorted list takes new rows by binary search, and the rows carrying
// the new mark are indexed.
class TStatusListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Roles { ItemRole = Qt::UserRole + 1, ImageIndexRole, StateIndexRole };
    enum class TSortState { Unsorted, Descending, Ascending };

    // ownsItems: the rows' records are freed with the rows (the timeline).
    explicit TStatusListModel(bool ownsItems, QObject* parent = nullptr);
    ~TStatusListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    int Count() const { return int(Rows.size()); }
    const TListRow& Row(int i) const { return *Rows[size_t(i)]; }
    TQuorbelItem* ItemAt(int i) const { return Rows[size_t(i)]->Item; }

    // Inserts at position pos (0 = top, Count() = bottom); returns the position.
    int InsertRow(int pos, TListRow row);
    int AppendRow(TListRow row) { return InsertRow(Count(), std::move(row)); }
    // Appends the rows in their order, told to the views as one insertion:
    // the search fills its list with thousands at once.
    void AppendRows(std::vector<TListRow> rows);
    // Inserts where the row belongs in a list sorted by CompareByDate; sorts the
    // list first when it is not known to be sorted in that direction.
    int InsertSorted(TListRow row, bool reverse);
    // Sorts by CompareByDate unless already sorted in that direction.
    void Sort(bool reverse);
    void Clear();

    void SetStateIndex(int i, int state);
    void SetImageIndex(int i, int image);
    void SetText(int i, const QString& text);

    // Every row with the new mark loses it; with skipMessages, rows whose record
    // is a direct message keep it. Returns how many rows changed.
    int ClearNewMarks(bool skipMessages);
    int NewMarkCount() const { return int(NewRows.size()); }

    // Position of the first row showing the record, or -1.
    int IndexOfItem(const TQuorbelItem* item) const;

private:
    void EmitRowChanged(int i);
    // Keeps NewRows in step with a state change, before the row takes the new
    // state: adding to the set is what can fail, and then nothing has changed.
    void TrackState(TListRow* row, int oldState, int newState);

    bool OwnsItems;
    std::deque<std::unique_ptr<TListRow>> Rows;
    std::unordered_set<TListRow*> NewRows;
    TSortState SortState = TSortState::Descending; // an empty list is sorted
};
