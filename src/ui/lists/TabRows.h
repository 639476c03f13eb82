#pragma once

#include <QList>
#include <QWidget>

class QTabWidget;
class TTabButton;

// The tabs of a tab widget in as many rows as their captions need, in place
// of its own bar, which keeps one row and scrolls the tabs that do not fit.
// The row of the active tab lies next to the pages; a click, or Left and Right
// while the strip has the focus, makes a tab the active one. The tab widget
// tells the strip when its tabs change (Sync).
class TTabRows final : public QWidget {
    Q_OBJECT
public:
    // A child of tabs.
    explicit TTabRows(QTabWidget& tabs);

    // Takes the captions, pictures, visibility, order and the active tab again.
    void Sync();
    // The active tab's rectangle; empty when its tab is not shown.
    QRect CurrentTabRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The tab indexes on each row at this width, the active tab's row last.
    QList<QList<int>> Rows(int width) const;
    int RowHeight() const;
    void Arrange();
    void UpdateActiveTab() const;

    QTabWidget& Tabs;
    QList<TTabButton*> Buttons; // by tab index
};
