#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// The names of one kind of list editor; the numbered ones append IndexSuffix(i).
struct TListEditorNames {
    QString Label;
    QString List;
    QString Entry;
    QString Add;
    QString Del;
    QString Popup;
    QString PageControl;
    QString PageCaption; // + NumberSuffix(i)
};

// One list editor of the preferences: the NG words, or page i of the pickup
// words or favourite IDs (those have a tab name and a popup flag). Entries
// are added from the entry line, once each, and deleted one at a time.
class TListEditor final : public QWidget {
public:
    // caption: what a screen reader calls the list.
    TListEditor(const TListEditorNames& names, int i, const QString& caption);

    QStringList Entries() const;
    void SetEntries(const QStringList& entries);
    // Exact, case-sensitive comparison of whole entries.
    bool Contains(const QString& text) const;
    // Delete needs a selected entry, add a non-empty entry text; the NG word
    // buttons are always enabled.
    void UpdateButtons();

    QLineEdit* const Label;
    QListWidget* const List;
    QLineEdit* const Entry;
    QPushButton* const Add;
    QPushButton* const Del;
    QCheckBox* const Popup;

private:
    void AddEntry();
    void DeleteEntry();
};
