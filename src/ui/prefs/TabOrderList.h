#pragma once

#include <QList>
#include <QListWidget>
#include <QString>

// One tab of the main window as the tab list shows it.
struct TTabRow {
    QString Name;    // the tab's name in TabSheetNames
    QString Caption; // shown as the row's text
    bool Shown = true;

    bool operator==(const TTabRow&) const = default;
};

// CheckListBoxTabs: one checkable row per main-window tab, reordered by
// dragging a row onto another. While dragging, a green line marks where the
// row will land: along the bottom of the target row when the dragged row lies
// above it, along its top otherwise. The message tab's row cannot be ticked.
class TTabOrderList final : public QListWidget {
    Q_OBJECT
public:
    explicit TTabOrderList(QWidget* parent = nullptr);

    void SetRows(const QList<TTabRow>& rows);
    QList<TTabRow> Rows() const;

    // The row under the pointer while a row is dragged; -1 otherwise.
    int DropRow() const { return Dragging ? DropTarget : -1; }

    // Tall enough for every row: a row can only be dropped where it is seen.
    QSize sizeHint() const override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Moves the selected row to the target row and selects it there.
    void DropOn(int target);
    void EndDrag();
    int SelectedRow() const;

    QPoint PressPos;
    bool Pressed = false;
    bool Dragging = false;
    int DropTarget = -1;
};
