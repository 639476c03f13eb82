#pragma once

#include <QWidget>

#include "ListRow.h"

class QLabel;
class TDrawnLineEdit;
class TIconView;
class TQuorbelPrefs;
class TRichEditText;

// The detail pane above the lists (PanelDetail): the author's icon, name line
// and date, and the whole text of the selected status with its links.
class TDetailPane final : public QWidget {
    Q_OBJECT
public:
    explicit TDetailPane(const TQuorbelPrefs& prefs, QWidget* parent = nullptr);

    // Shows the row: caption and text, then the record's screen name, date
    // and icon (the icon only with VisibleIcon on).
    void ShowRow(const TListRow& row);
    // The blank state; the date label keeps its visibility.
    void Clear();
    void SetIconVisible(bool visible);
    void SetFontFace(const QString& face);

signals:
    // A link was double-clicked: the web address, or the user's page.
    void OpenUrl(const QString& url);
    // EditName or RichEditText asks for the context menu at a screen position.
    void ContextMenuRequested(QPoint globalPos);

private:
    const TQuorbelPrefs& Prefs;
    QWidget* PanelIcon;
    TIconView* WebBrowserIcon;
    TDrawnLineEdit* EditName;
    QLabel* LabelDateTime;
    TRichEditText* RichEditText;
};
