#pragma once

#include <array>

#include <QStatusBar>

class QLabel;

// The main window's status bar: panel 0 the progress and result texts (the
// flexible part), 1 the item count, 2 and 3 for later use.
class TStatusBarMain final : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int PanelCount = 4;

    explicit TStatusBarMain(QWidget* parent = nullptr);

    QString PanelText(int i) const;
    // Writes only a changed text: the idle pass calls this each time the
    // event loop is about to block, and a write would wake it again.
    void SetPanelText(int i, const QString& text);

private:
    std::array<QLabel*, PanelCount> Panels{};
};
