#pragma once

#include <QFrame>

class QLabel;

// The notice of a newer release (PanelVersionUp) at the bottom of the tab
// area: the announcement, a button to the download page and a close button.
// Hidden until a newer version is announced; either button hides it again.
class TVersionNotice final : public QFrame {
    Q_OBJECT
public:
    explicit TVersionNotice(QWidget* parent = nullptr);

    // Shows the notice of the version.
    void Announce(const QString& version);
    QString Text() const;

signals:
    // "ダウンロードページへ" was pressed; the owner opens the page.
    void DownloadRequested();

private:
    QLabel* LabelVersionUp;
};
