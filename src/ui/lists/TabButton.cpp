#include "TabButton.h"

#include <algorithm>

#include <QStylePainter>

namespace {
// Between the picture and the caption, as a tab bar leaves it.
constexpr int PictureGap = 4;
} // namespace

TTabButton::TTabButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus); // the strip takes the focus and its arrow keys
    setAttribute(Qt::WA_Hover);
}

void TTabButton::SetSelected(bool selected) {
    if (Selected == selected)
        return;
    Selected = selected;
    update();
}

void TTabButton::SetPlace(QStyleOptionTab::TabPosition position,
                          QStyleOptionTab::SelectedPosition selected) {
    if (Position == position && Neighbour == selected)
        return;
    Position = position;
    Neighbour = selected;
    update();
}

QSize TTabButton::sizeHint() const {
    QStyleOptionTab option;
    InitStyleOption(option);
    const QSize picture = icon().isNull() ? QSize(0, 0) : iconSize();
    const int gap = icon().isNull() ? 0 : PictureGap;
    const QSize caption = fontMetrics().size(Qt::TextShowMnemonic, text());
    const QSize contents(caption.width() + picture.width() + gap +
                             style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this),
                         std::max(caption.height(), picture.height()) +
                             style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this));
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &option, contents, this);
}

void TTabButton::paintEvent(QPaintEvent*) {
    QStyleOptionTab option;
    InitStyleOption(option);
    QStylePainter(this).drawControl(QStyle::CE_TabBarTab, option);
}

void TTabButton::InitStyleOption(QStyleOptionTab& option) const {
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    option.text = text();
    option.icon = icon();
    option.iconSize = iconSize();
    option.position = Position;
    option.selectedPosition = Neighbour;
    option.state.setFlag(QStyle::State_Selected, Selected);
    option.state.setFlag(QStyle::State_Sunken, isDown());
    // The focus is the strip's; the active tab shows it.
    const QWidget* strip = parentWidget();
    option.state.setFlag(QStyle::State_HasFocus, Selected && strip && strip->hasFocus());
}
