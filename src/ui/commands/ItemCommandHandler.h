#pragma once

#include <memory>

#include <QObject>
#include <QString>

#include "ItemCommands.h"

class TMessageBoxes;
class TSearchSheet;
class TTwitterDestroy;
class TWindowHooks;

// The commands on the selected status of the current list and on the text
// selected in a text field: copy and select-all, the three copy commands, the
// web pages, the favourite and delete requests, the property box and the
// searches of the selected text. Connected to the window's actions when made;
// pages go to the window's URL opener.
class TItemCommandHandler final : public QObject {
    Q_OBJECT
public:
    TItemCommandHandler(TWindowHooks& window, TSearchSheet& search);
    ~TItemCommandHandler() override;

    // Where the questions and the property box go; real message boxes unless replaced.
    void SetMessageBoxes(std::unique_ptr<TMessageBoxes> boxes);

    // The selected text of the focused text field; empty when there is none.
    QString GetSelectedText() const;

    // The requests, after any question: they check the account and the
    // selected status themselves.
    void CreateFavorite();
    void DestroyStatus();

private:
    const TListRow* SelectedRow() const;
    void OpenPage(TPageCommand command);
    void Copy(TCopyCommand command);
    void ActionCreateFavoriteExecute();
    void ActionDestroyExecute();
    void ActionPropertyExecute();
    void DestroyStatusDone(const TTwitterDestroy& worker, int outcome);
    bool HasAccount() const;

    TWindowHooks& Window;
    TSearchSheet& Search;
    std::unique_ptr<TMessageBoxes> Boxes;
};
