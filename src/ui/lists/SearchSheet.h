#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
class TStatusListView;
class TWindowHooks;

// The search tab sheet (TabSheetSearch): the query line PanelSearch with
// EditSearch and ButtonSearch above the result list ListViewSearch, which
// lists the timeline statuses whose author and text contain the query.
class TSearchSheet final : public QWidget {
    Q_OBJECT
public:
    // list: ListViewSearch, which the sheet takes over.
    TSearchSheet(TWindowHooks& window, TStatusListView* list, QWidget* parent = nullptr);

    QLineEdit* EditSearch() const { return FEditSearch; }

    // Searches for the text of EditSearch and shows the current list's row.
    void ButtonSearchClick();
    // Searches for the text, also an empty one, and shows the result with the
    // focus in the list.
    void SearchFor(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TWindowHooks& Window;
    TStatusListView* ListViewSearch;
    QWidget* PanelSearch;
    QLineEdit* FEditSearch;
    QPushButton* ButtonSearch;
};
