#pragma once

#include <QObject>

#include "Search.h"

class TFindDialog;
class TSearchSheet;
class TWindowHooks;

// The commands that search the fetched statuses: the search tab for the
// account's own ID, the selected status's author or the user it replies to,
// and the find dialog over the current list.
class TSearchCommands final : public QObject {
    Q_OBJECT
public:
    TSearchCommands(TWindowHooks& window, TSearchSheet& search);

    // Made when first opened.
    TFindDialog* FindDialogMain() const { return FindDialog; }

    void ActionFindExecute();
    // "次を検索": selects the nearest row below or above the selected one
    // that holds the text; nothing when there is none.
    void FindDialogMainFind(const TFindOptions& options);

private:
    void SearchSelected(TSearchCommand command);

    TWindowHooks& Window;
    TSearchSheet& Search;
    TFindDialog* FindDialog = nullptr;
};
