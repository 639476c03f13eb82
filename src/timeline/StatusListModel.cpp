#include "StatusListModel.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "CompareByDate.h"

namespace {
constexpr int ColumnCount = 2;

bool IsReverse(TStatusListModel::TSortState state) {
    return state == TStatusListModel::TSortState::Ascending;
}
} // namespace

TStatusListModel::TStatusListModel(bool ownsItems, QObject* parent)
    : QAbstractTableModel(parent), OwnsItems(ownsItems) {}

TStatusListModel::~TStatusListModel() {
    if (OwnsItems) {
        for (const auto& row : Rows)
            delete row->Item;
    }
}

int TStatusListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

int TStatusListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TStatusListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count())
        return {};
    const TListRow& row = Row(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == 0 ? row.Caption : row.Text;
    case ItemRole:
        return QVariant::fromValue(reinterpret_cast<quintptr>(row.Item));
    case ImageIndexRole:
        return row.ImageIndex;
    case StateIndexRole:
        return row.StateIndex;
    default:
        return {};
    }
}

int TStatusListModel::InsertRow(int pos, TListRow row) {
    pos = std::clamp(pos, 0, Count());
    if (SortState != TSortState::Unsorted) {
        // The list stays sorted when the new row fits between its neighbours.
        const bool reverse = IsReverse(SortState);
        const bool afterPrevious =
            pos == 0 || CompareByDate(ItemAt(pos - 1), row.Item, reverse) <= 0;
        const bool beforeNext =
            pos == Count() || CompareByDate(row.Item, ItemAt(pos), reverse) <= 0;
        if (!afterPrevious || !beforeNext)
            SortState = TSortState::Unsorted;
    }
    // What can fail comes before the views hear of the row.
    auto owned = std::make_unique<TListRow>(std::move(row));
    TListRow* added = owned.get();
    TrackState(added, StateNone, added->StateIndex);
    beginInsertRows({}, pos, pos);
    try {
        Rows.insert(Rows.begin() + pos, std::move(owned));
    } catch (...) {
        // Storage that cannot grow leaves the rows as they were; the views,
        // told of a row to come, are made to read the list afresh.
        NewRows.erase(added);
        endInsertRows();
        beginResetModel();
        endResetModel();
        throw;
    }
    endInsertRows();
    return pos;
}

void TStatusListModel::AppendRows(std::vector<TListRow> rows) {
    if (rows.empty())
        return;
    // What can fail comes before the views hear of the rows.
    std::vector<std::unique_ptr<TListRow>> owned;
    owned.reserve(rows.size());
    for (TListRow& row : rows)
        owned.push_back(std::make_unique<TListRow>(std::move(row)));
    const TQuorbelItem* previous = Rows.empty() ? nullptr : Rows.back()->Item;
    const bool reverse = IsReverse(SortState);
    for (const auto& row : owned) {
        if (SortState != TSortState::Unsorted && previous &&
            CompareByDate(previous, row->Item, reverse) > 0)
            SortState = TSortState::Unsorted;
        previous = row->Item;
    }
    const int first = Count();
    beginInsertRows({}, first, first + int(owned.size()) - 1);
    try {
        for (auto& row : owned) {
            TrackState(row.get(), StateNone, row->StateIndex);
            Rows.push_back(std::move(row));
        }
    } catch (...) {
        // Rows that could not be taken in leave the list as it was; the views,
        // told of rows to come, are made to read it afresh.
        while (Count() > first) {
            NewRows.erase(Rows.back().get());
            Rows.pop_back();
        }
        endInsertRows();
        beginResetModel();
        endResetModel();
        throw;
    }
    endInsertRows();
}

int TStatusListModel::InsertSorted(TListRow row, bool reverse) {
    Sort(reverse);
    // News usually belongs at one end: skip the search there.
    if (Rows.empty() || CompareByDate(row.Item, Rows.front()->Item, reverse) < 0)
        return InsertRow(0, std::move(row));
    if (CompareByDate(row.Item, Rows.back()->Item, reverse) >= 0)
        return InsertRow(Count(), std::move(row));
    const auto at = std::upper_bound(Rows.begin(), Rows.end(), row.Item,
                                     [reverse](const TQuorbelItem* item, const auto& other) {
                                         return CompareByDate(item, other->Item, reverse) < 0;
                                     });
    return InsertRow(int(at - Rows.begin()), std::move(row));
}

void TStatusListModel::Sort(bool reverse) {
    const TSortState wanted = reverse ? TSortState::Ascending : TSortState::Descending;
    if (SortState == wanted)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // The views keep their rows (the selection) as persistent indexes. What
    // can fail comes before a row moves, and then the layout ends unchanged.
    QModelIndexList before;
    QList<const TListRow*> rowsBefore;
    QModelIndexList after;
    std::vector<std::pair<const TListRow*, int>> positions;
    try {
        before = persistentIndexList();
        rowsBefore.reserve(before.size());
        for (const QModelIndex& index : before)
            rowsBefore.append(Rows[size_t(index.row())].get());
        after.reserve(before.size());
        positions.reserve(before.isEmpty() ? 0 : Rows.size());
    } catch (...) {
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
        throw;
    }
    std::stable_sort(Rows.begin(), Rows.end(), [reverse](const auto& a, const auto& b) {
        return CompareByDate(a->Item, b->Item, reverse) < 0;
    });
    if (!before.isEmpty()) {
        for (int i = 0; i < Count(); ++i)
            positions.emplace_back(Rows[size_t(i)].get(), i);
        const auto byRow = [](const auto& a, const auto& b) {
            return std::less<const TListRow*>()(a.first, b.first);
        };
        std::sort(positions.begin(), positions.end(), byRow);
        for (qsizetype k = 0; k < before.size(); ++k) {
            const auto moved = std::lower_bound(positions.begin(), positions.end(),
                                                std::pair(rowsBefore[k], 0), byRow);
            after.append(index(moved->second, before[k].column()));
        }
        changePersistentIndexList(before, after);
    }
    SortState = wanted;
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void TStatusListModel::Clear() {
    beginResetModel();
    if (OwnsItems) {
        for (const auto& row : Rows)
            delete row->Item;
    }
    Rows.clear();
    NewRows.clear();
    SortState = TSortState::Descending;
    endResetModel();
}

void TStatusListModel::SetStateIndex(int i, int state) {
    TListRow& row = *Rows[size_t(i)];
    if (row.StateIndex == state)
        return;
    TrackState(&row, row.StateIndex, state);
    row.StateIndex = state;
    EmitRowChanged(i);
}

void TStatusListModel::SetImageIndex(int i, int image) {
    TListRow& row = *Rows[size_t(i)];
    if (row.ImageIndex == image)
        return;
    row.ImageIndex = image;
    EmitRowChanged(i);
}

void TStatusListModel::SetText(int i, const QString& text) {
    TListRow& row = *Rows[size_t(i)];
    if (row.Text == text)
        return;
    row.Text = text;
    EmitRowChanged(i);
}

int TStatusListModel::ClearNewMarks(bool skipMessages) {
    int changed = 0;
    for (auto it = NewRows.begin(); it != NewRows.end();) {
        TListRow* row = *it;
        if (skipMessages && row->Item && row->Item->IsMessage) {
            ++it;
            continue;
        }
        row->StateIndex = StateNone;
        it = NewRows.erase(it);
        ++changed;
    }
    // One notice for the whole list: views repaint only what they show.
    if (changed > 0)
        emit dataChanged(index(0, 0), index(Count() - 1, ColumnCount - 1), {StateIndexRole});
    return changed;
}

int TStatusListModel::IndexOfItem(const TQuorbelItem* item) const {
    for (int i = 0; i < Count(); ++i) {
        if (ItemAt(i) == item)
            return i;
    }
    return -1;
}

void TStatusListModel::EmitRowChanged(int i) {
    emit dataChanged(index(i, 0), index(i, ColumnCount - 1));
}

void TStatusListModel::TrackState(TListRow* row, int oldState, int newState) {
    if (newState == StateNew)
        NewRows.insert(row);
    else if (oldState == StateNew)
        NewRows.erase(row);
}
