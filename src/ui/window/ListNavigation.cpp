#include "ListNavigation.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "CommandSet.h"
#include "CommandStates.h"
#include "DetailPane.h"
#include "FormMain.h"
#include "MainMenus.h"
#include "Names.h"
#include "PageControlList.h"
#include "QuorbelPrefs.h"
#include "StatusListModel.h"
#include "StatusListView.h"

namespace {

// The fields whose focus makes copy, select-all and the selection searches
// work on their text.
const QStringList TextFields = {QStringLiteral("EditName"), QStringLiteral("RichEditText"),
                                QStringLiteral("EditStatus"), QStringLiteral("EditSearch")};

// The field among TextFields that holds the focus widget; null for none.
QWidget* FocusedTextField(QWidget* focus, const QWidget* window) {
    for (QWidget* w = focus; w && w != window; w = w->parentWidget()) {
        if (TextFields.contains(w->objectName()))
            return w;
    }
    return nullptr;
}

QString FieldText(const QWidget* field) {
    if (const auto* line = qobject_cast<const QLineEdit*>(field))
        return line->text();
    if (const auto* text = qobject_cast<const QTextEdit*>(field))
        return text->toPlainText();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(field))
        return plain->toPlainText();
    return {};
}

bool HasSelectedText(const QWidget* field) {
    if (const auto* line = qobject_cast<const QLineEdit*>(field))
        return line->hasSelectedText();
    if (const auto* text = qobject_cast<const QTextEdit*>(field))
        return text->textCursor().hasSelection();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(field))
        return plain->textCursor().hasSelection();
    return false;
}

// The single-letter commands, by upper-cased letter.
QString LetterCommand(QChar letter) {
    switch (letter.toUpper().unicode()) {
    case u'W':
        return QStringLiteral("ActionFriendSite");
    case u'T':
    case u'H':
        return QStringLiteral("ActionFriendHome");
    case u'F':
        return QStringLiteral("ActionCreateFavorite");
    case u'C':
        return QStringLiteral("ActionStatusPage");
    case u'D':
        return QStringLiteral("ActionDirectMessage");
    case u'R':
        return QStringLiteral("ActionDestroy");
    default:
        return {};
    }
}

// The sheet each move command makes active.
QList<std::pair<QString, int>> MoveCommands() {
    QList<std::pair<QString, int>> commands = {
        {QStringLiteral("ActionMoveTimeline"), TabTimeline},
        {QStringLiteral("ActionMoveMessage"), TabMessage},
        {QStringLiteral("ActionMoveReply"), TabReply},
        {QStringLiteral("ActionMoveSearch"), TabSearch},
    };
    for (int i = 0; i < NumberedTabCount; ++i) {
        commands.append(
            {QStringLiteral("ActionMovePickupWord") + IndexSuffix(i), TabPickupWord + i});
        commands.append({QStringLiteral("ActionMoveFavID") + IndexSuffix(i), TabFavID + i});
    }
    return commands;
}

} // namespace

TListNavigation::TListNavigation(TFormMain& form, TPageControlList& tabs, TDetailPane& pane,
                                 TMainMenus& menus)
    : QObject(&form), Form(form), Tabs(tabs), Pane(pane), Menus(menus) {
    TCommandSet& commands = Form.Commands();
    for (const auto& [name, j] : MoveCommands()) {
        connect(commands.Action(name), &QAction::triggered, this,
                [this, j = j] { MoveToSheet(j); });
    }
    connect(commands.Action(QStringLiteral("ActionMoveStatus")), &QAction::triggered, this, [this] {
        if (QWidget* edit = Field(EditStatus, QStringLiteral("EditStatus")))
            edit->setFocus(Qt::ShortcutFocusReason);
    });
    connect(&Pane, &TDetailPane::ContextMenuRequested, this, &TListNavigation::Popup);
}

void TListNavigation::AttachList(TStatusListView* list) {
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
    connect(list, &QAbstractItemView::doubleClicked, this,
            [this, list] { ListViewFriendsDblClick(list); });
}

void TListNavigation::MoveToSheet(int j) {
    // Setting the sheet raises the change only when it is another one.
    const bool same = Tabs.ActiveSheet() == j;
    Tabs.ActivateSheet(j);
    Form.ListView(j)->setFocus(Qt::ShortcutFocusReason);
    if (same)
        Form.PageControlListChange();
}

QWidget* TListNavigation::Field(QPointer<QWidget>& known, const QString& name) const {
    if (!known)
        known = Form.findChild<QWidget*>(name);
    return known;
}

void TListNavigation::RefreshCommandStates() {
    TCommandContext context;
    const TStatusListView* list = Form.ActiveListView();
    if (list) {
        context.RowCount = list->RowCount();
        if (const TListRow* row = list->SelectedRow())
            context.Selected = row->Item;
    }
    QWidget* focus = Form.focusWidget();
    if (list && focus == list) {
        context.Focus = TCommandFocus::List;
    } else if (const QWidget* field = FocusedTextField(focus, &Form)) {
        context.Focus = TCommandFocus::TextField;
        context.TextSelected = HasSelectedText(field);
    }
    context.StatusText = FieldText(Field(EditStatus, QStringLiteral("EditStatus")));
    context.SearchText = FieldText(Field(EditSearch, QStringLiteral("EditSearch")));
    TCommandSet& commands = Form.Commands();
    commands.RefreshStates(context, Form.Prefs());
    if (!ButtonSearch && Field(ButtonSearch, ButtonSearchName))
        commands.AddStateTarget(ButtonSearchName, ButtonSearch);
}

void TListNavigation::Popup(QPoint globalPos) {
    RefreshCommandStates();
    Menus.PopupMenuMain()->popup(globalPos);
}

void TListNavigation::RunIfEnabled(const QString& name) {
    RefreshCommandStates();
    if (QAction* action = Form.Commands().Action(name); action && action->isEnabled())
        action->trigger();
}

void TListNavigation::ListViewFriendsDblClick(const TStatusListView* list) {
    switch (Form.Prefs().ListDubbleClickMode) {
    case 0:
        RunIfEnabled(list == Form.ListView(TabMessage) ? QStringLiteral("ActionDirectMessage")
                                                       : QStringLiteral("ActionReply"));
        break;
    case 1:
        RunIfEnabled(QStringLiteral("ActionDirectMessage"));
        break;
    case 2:
        RunIfEnabled(QStringLiteral("ActionFriendHome"));
        break;
    default:
        break;
    }
}

bool TListNavigation::ListViewFriendsKeyDown(QKeyEvent* event) {
    const bool down = event->key() == Qt::Key_Down;
    if ((!down && event->key() != Qt::Key_Up) ||
        (event->modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier)
        return false;
    TStatusListView* list = Form.ActiveListView();
    const int i = list ? list->SelectedIndex() : -1;
    if (i < 0)
        return false;
    const TStatusListModel& model = *list->Model();
    // At the end of the list the key moves as usual.
    if (down ? i == model.Count() - 1 : i == 0)
        return false;
    const QString& author = model.Row(i).Caption;
    const int step = down ? 1 : -1;
    for (int k = i + step; k >= 0 && k < model.Count(); k += step) {
        if (model.Row(k).Caption == author) {
            list->SelectRow(k);
            break;
        }
    }
    return true;
}

bool TListNavigation::ListViewFriendsKeyPress(const QKeyEvent* event) {
    const QString text = event->text();
    if (!Form.Prefs().EnableP3Key || text.isEmpty() || !text.front().isPrint() ||
        event->key() == Qt::Key_Space ||
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    if (const QString command = LetterCommand(text.front()); !command.isEmpty())
        RunIfEnabled(command);
    // Matched or not, the letter is used up: the list's type-ahead search stays out.
    return true;
}

void TListNavigation::ListViewFriendsClick(const TStatusListView* list) {
    if (list->SelectedIndex() < 0)
        Pane.Clear();
}

bool TListNavigation::eventFilter(QObject* watched, QEvent* event) {
    const bool onViewport = !qobject_cast<TStatusListView*>(watched);
    auto* list = qobject_cast<TStatusListView*>(onViewport ? watched->parent() : watched);
    if (!list)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            ListViewFriendsDblClick(list);
            return false;
        }
        // The list's own copy of the cell text is not one of the window's commands.
        if (key->matches(QKeySequence::Copy))
            return true;
        return ListViewFriendsKeyDown(key) || ListViewFriendsKeyPress(key);
    }
    case QEvent::MouseButtonPress:
        // Empty space below the rows leaves the list without a selection.
        if (onViewport &&
            !list->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()).isValid())
            list->clearSelection();
        return false;
    case QEvent::MouseButtonRelease:
        if (onViewport && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            ListViewFriendsClick(list);
        return false;
    case QEvent::ContextMenu: {
        const auto* menu = static_cast<QContextMenuEvent*>(event);
        Popup(menu->reason() == QContextMenuEvent::Keyboard
                  ? list->viewport()->mapToGlobal(QPoint(0, 0))
                  : menu->globalPos());
        return true;
    }
    default:
        return false;
    }
}
