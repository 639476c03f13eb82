#pragma once

#include <QObject>

class TWindowHooks;

// The commands that add the selected status's author to favourite-ID list i
// or remove it (ActionAddFavID and ActionRemoveFavID with IndexSuffix(i)),
// then show that list's tab.
class TFavIDCommands final : public QObject {
    Q_OBJECT
public:
    explicit TFavIDCommands(TWindowHooks& window);

    void ActionAddFavIDExecute(int i);
    void ActionRemoveFavIDExecute(int i);

private:
    // The author of the current list's selected status; empty when none.
    QString SelectedUserID() const;

    TWindowHooks& Window;
};
