#include "SearchSheet.h"

#include <algorithm>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "Names.h"
#include "QuorbelPrefs.h"
#include "Search.h"
#include "StatusListView.h"
#include "WindowHooks.h"

namespace {

constexpr int PanelHeight = 29;
constexpr int ButtonGap = 2; // from the button to the right edge
constexpr int EditGap = 8;   // from the edit to the button

} // namespace

TSearchSheet::TSearchSheet(TWindowHooks& window, TStatusListView* list, QWidget* parent)
    : QWidget(parent), Window(window), ListViewSearch(list), PanelSearch(new QWidget(this)),
      FEditSearch(new QLineEdit(PanelSearch)),
      ButtonSearch(new QPushButton(QStringLiteral("検索"), PanelSearch)) {
    ListViewSearch->setParent(this);
    PanelSearch->setObjectName(QStringLiteral("PanelSearch"));
    FEditSearch->setObjectName(QStringLiteral("EditSearch"));
    FEditSearch->setGeometry(0, 4, 237, 20);
    FEditSearch->installEventFilter(this);
    ButtonSearch->setObjectName(QStringLiteral("ButtonSearch"));
    ButtonSearch->setGeometry(248, 4, 75, 21);
    ButtonSearch->setEnabled(false);
    FEditSearch->setAccessibleName(QStringLiteral("検索する言葉"));
    connect(FEditSearch, &QLineEdit::textChanged, this,
            [this](const QString& text) { ButtonSearch->setEnabled(!text.isEmpty()); });
    connect(ButtonSearch, &QPushButton::clicked, this, &TSearchSheet::ButtonSearchClick);
}

void TSearchSheet::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PanelSearch->setGeometry(0, 0, width(), PanelHeight);
    ListViewSearch->setGeometry(0, PanelHeight, width(), std::max(0, height() - PanelHeight));
    const int buttonLeft = PanelSearch->width() - ButtonSearch->width() - ButtonGap;
    ButtonSearch->move(buttonLeft, ButtonSearch->y());
    FEditSearch->resize(std::max(0, buttonLeft - FEditSearch->x() - EditGap),
                        FEditSearch->height());
}

void TSearchSheet::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Coming to the sheet means typing a query; a window coming back keeps its focus.
    if (!event->spontaneous())
        FEditSearch->setFocus();
}

bool TSearchSheet::eventFilter(QObject* watched, QEvent* event) {
    if (watched != FEditSearch || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<const QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (ButtonSearch->isEnabled())
        ButtonSearchClick();
    return true;
}

void TSearchSheet::ButtonSearchClick() {
    SearchTimeline(Window.Lists(), FEditSearch->text(), Window.Prefs().ReverseSort);
    Window.PageControlListChange();
}

void TSearchSheet::SearchFor(const QString& text) {
    FEditSearch->setText(text);
    ButtonSearchClick();
    Window.ShowSheet(TabSearch);
    ListViewSearch->setFocus();
}
