#include "TabOrderList.h"

#include <algorithm>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>

#include "Names.h"

namespace {

constexpr int RoleName = Qt::UserRole;
const QColor DropLineColor(0x00, 0x80, 0x00);
constexpr int DropLineInset = 2;
// Space kept between the check boxes of neighbouring rows.
constexpr int CheckBoxGap = 4;

// Draws a row that cannot be ticked greyed out, check box included; it can
// still be selected and dragged like the others. Rows are tall enough that
// the check boxes of neighbouring rows stay apart.
class TLockedRowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QWidget* view = option.widget;
        const int box = view->style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, view);
        size.setHeight(std::max(size.height(), box + CheckBoxGap));
        return size;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!(index.flags() & Qt::ItemIsUserCheckable)) {
            option->state &= ~QStyle::State_Enabled;
            option->palette.setCurrentColorGroup(QPalette::Disabled);
        }
    }
};

} // namespace

TTabOrderList::TTabOrderList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setItemDelegate(new TLockedRowDelegate(this));
}

void TTabOrderList::SetRows(const QList<TTabRow>& rows) {
    clear();
    for (const TTabRow& row : rows) {
        auto* item = new QListWidgetItem(row.Caption, this);
        item->setData(RoleName, row.Name);
        item->setCheckState(row.Shown ? Qt::Checked : Qt::Unchecked);
        // The message tab is never shown.
        if (row.Name == TabSheetNames[TabMessage])
            item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
    }
    updateGeometry();
}

QSize TTabOrderList::sizeHint() const {
    int height = count() > 0 ? 0 : fontMetrics().height();
    // Rows in a fallback face can be taller than the first one.
    for (int r = 0; r < count(); ++r)
        height += sizeHintForRow(r);
    return {QListWidget::sizeHint().width(), height + 2 * frameWidth()};
}

QList<TTabRow> TTabOrderList::Rows() const {
    QList<TTabRow> rows;
    for (int r = 0; r < count(); ++r) {
        const QListWidgetItem* row = item(r);
        rows.append(
            {row->data(RoleName).toString(), row->text(), row->checkState() == Qt::Checked});
    }
    return rows;
}

void TTabOrderList::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    Pressed = event->button() == Qt::LeftButton && itemAt(event->position().toPoint());
    PressPos = event->position().toPoint();
}

void TTabOrderList::mouseMoveEvent(QMouseEvent* event) {
    if (!Pressed || !(event->buttons() & Qt::LeftButton)) {
        QListWidget::mouseMoveEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (!Dragging && (pos - PressPos).manhattanLength() < QApplication::startDragDistance())
        return;
    Dragging = true;
    viewport()->setCursor(Qt::DragMoveCursor);
    // A drop is possible only over a row.
    const QModelIndex target = indexAt(pos);
    const int row = target.isValid() ? target.row() : -1;
    if (row != DropTarget) {
        DropTarget = row;
        viewport()->update();
    }
}

void TTabOrderList::mouseReleaseEvent(QMouseEvent* event) {
    if (!Dragging) {
        Pressed = false;
        QListWidget::mouseReleaseEvent(event);
        return;
    }
    const QModelIndex target = indexAt(event->position().toPoint());
    EndDrag();
    if (target.isValid())
        DropOn(target.row());
}

void TTabOrderList::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    const int from = SelectedRow();
    if (!Dragging || DropTarget < 0 || DropTarget == from)
        return;
    const QRect rect = visualItemRect(item(DropTarget));
    const int y = from < DropTarget ? rect.bottom() : rect.top();
    QPainter painter(viewport());
    painter.setPen(QPen(DropLineColor, 1));
    painter.drawLine(rect.left() + DropLineInset, y, rect.right() - DropLineInset, y);
}

void TTabOrderList::DropOn(int target) {
    const int from = SelectedRow();
    if (from < 0 || from == target)
        return;
    // The item itself travels: its text, check mark, flags and tab go with it.
    QListWidgetItem* moved = takeItem(from);
    insertItem(target, moved);
    setCurrentItem(moved);
}

void TTabOrderList::EndDrag() {
    Pressed = false;
    Dragging = false;
    DropTarget = -1;
    viewport()->unsetCursor();
    viewport()->update();
}

int TTabOrderList::SelectedRow() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}
