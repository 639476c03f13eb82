#include "TabRows.h"

#include <algorithm>

#include <QKeyEvent>
#include <QTabWidget>

#include "TabButton.h"

TTabRows::TTabRows(QTabWidget& tabs) : QWidget(&tabs), Tabs(tabs) {
    setObjectName(QStringLiteral("TabRows"));
    setAccessibleName(QStringLiteral("タブ"));
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void TTabRows::Sync() {
    bool resized = false;
    while (Buttons.size() < Tabs.count()) {
        auto* button = new TTabButton(this);
        button->setIconSize(Tabs.iconSize());
        connect(button, &TTabButton::pressed, this,
                [this, k = int(Buttons.size())] { Tabs.setCurrentIndex(k); });
        Buttons.append(button);
        resized = true;
    }
    for (int k = 0; k < Buttons.size(); ++k) {
        TTabButton* button = Buttons[k];
        if (const QString text = Tabs.tabText(k); button->text() != text) {
            button->setText(text); // also its name for a screen reader
            resized = true;
        }
        if (const QIcon icon = Tabs.tabIcon(k); button->icon().cacheKey() != icon.cacheKey()) {
            button->setIcon(icon);
            resized = true;
        }
        if (const bool shown = Tabs.isTabVisible(k); button->isHidden() == shown) {
            button->setVisible(shown);
            resized = true;
        }
        button->SetSelected(k == Tabs.currentIndex());
    }
    if (resized)
        updateGeometry(); // the tab widget makes room for a changed number of rows
    Arrange();
}

QRect TTabRows::CurrentTabRect() const {
    const int k = Tabs.currentIndex();
    if (k < 0 || k >= Buttons.size() || Buttons[k]->isHidden())
        return {};
    return Buttons[k]->geometry();
}

QSize TTabRows::sizeHint() const {
    int width = 0;
    for (const TTabButton* button : Buttons) {
        if (!button->isHidden())
            width += button->sizeHint().width();
    }
    return {width, RowHeight()};
}

QSize TTabRows::minimumSizeHint() const {
    int width = 0;
    for (const TTabButton* button : Buttons) {
        if (!button->isHidden())
            width = std::max(width, button->sizeHint().width());
    }
    return {width, RowHeight()};
}

int TTabRows::heightForWidth(int width) const {
    return int(std::max<qsizetype>(1, Rows(width).size())) * RowHeight();
}

void TTabRows::resizeEvent(QResizeEvent*) {
    Arrange();
}

void TTabRows::keyPressEvent(QKeyEvent* event) {
    const int step = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : 0;
    if (step == 0 || event->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    for (int k = Tabs.currentIndex() + step; k >= 0 && k < Buttons.size(); k += step) {
        if (!Buttons[k]->isHidden()) {
            Tabs.setCurrentIndex(k);
            break;
        }
    }
}

void TTabRows::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    UpdateActiveTab();
}

void TTabRows::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    UpdateActiveTab();
}

QList<QList<int>> TTabRows::Rows(int width) const {
    QList<QList<int>> rows;
    int used = 0;
    int activeRow = -1;
    for (int k = 0; k < Buttons.size(); ++k) {
        if (Buttons[k]->isHidden())
            continue;
        const int tabWidth = Buttons[k]->sizeHint().width();
        if (rows.isEmpty() || (used > 0 && used + tabWidth > width)) {
            rows.emplaceBack();
            used = 0;
        }
        rows.last().append(k);
        used += tabWidth;
        if (k == Tabs.currentIndex())
            activeRow = int(rows.size()) - 1;
    }
    if (activeRow >= 0)
        rows.append(rows.takeAt(activeRow));
    return rows;
}

int TTabRows::RowHeight() const {
    int height = 0;
    for (const TTabButton* button : Buttons)
        height = std::max(height, button->sizeHint().height());
    return height;
}

void TTabRows::Arrange() {
    const QList<QList<int>> rows = Rows(width());
    const int rowHeight = RowHeight();
    for (int r = 0; r < rows.size(); ++r) {
        const QList<int>& row = rows[r];
        int natural = 0;
        for (const int k : row)
            natural += Buttons[k]->sizeHint().width();
        // With more than one row, each row fills the strip's width.
        const int spare = rows.size() > 1 ? std::max(0, width() - natural) : 0;
        int left = 0;
        for (int i = 0; i < row.size(); ++i) {
            TTabButton* button = Buttons[row[i]];
            const int share = spare * (i + 1) / int(row.size()) - spare * i / int(row.size());
            const int tabWidth = button->sizeHint().width() + share;
            button->setGeometry(left, r * rowHeight, tabWidth, rowHeight);
            left += tabWidth;

            const bool first = i == 0;
            const bool last = i == row.size() - 1;
            const auto position = first && last ? QStyleOptionTab::OnlyOneTab
                                  : first       ? QStyleOptionTab::Beginning
                                  : last        ? QStyleOptionTab::End
                                                : QStyleOptionTab::Middle;
            const auto neighbour =
                !last && Buttons[row[i + 1]]->IsSelected()    ? QStyleOptionTab::NextIsSelected
                : !first && Buttons[row[i - 1]]->IsSelected() ? QStyleOptionTab::PreviousIsSelected
                                                              : QStyleOptionTab::NotAdjacent;
            button->SetPlace(position, neighbour);
        }
    }
}

void TTabRows::UpdateActiveTab() const {
    const int k = Tabs.currentIndex();
    if (k >= 0 && k < Buttons.size())
        Buttons[k]->update();
}
