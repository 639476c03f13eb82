#pragma once

#include <QAbstractButton>
#include <QStyleOptionTab>

// One tab of a strip of tabs, drawn as the style draws a tab bar's tab. The
// strip tells it whether it is the active tab and where it sits in its row.
class TTabButton final : public QAbstractButton {
    Q_OBJECT
public:
    explicit TTabButton(QWidget* parent = nullptr);

    void SetSelected(bool selected);
    bool IsSelected() const { return Selected; }
    void SetPlace(QStyleOptionTab::TabPosition position,
                  QStyleOptionTab::SelectedPosition selected);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void InitStyleOption(QStyleOptionTab& option) const;

    bool Selected = false;
    QStyleOptionTab::TabPosition Position = QStyleOptionTab::OnlyOneTab;
    QStyleOptionTab::SelectedPosition Neighbour = QStyleOptionTab::NotAdjacent;
};
