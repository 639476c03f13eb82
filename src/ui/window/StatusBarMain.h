#pragma once

#include <array>

#include <QStatusBar>

class QLabel;

// The main window's status bar: panel 0 the progress and result texts, 1 the
// item count, 2 the request limit, 3 unused. The panels keep fixed widths, the
// first the room the second and third leave, so a text in one never narrows
// another; none reaches past the bar's edge.
class TStatusBarMain final : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int PanelCount = 4;

    explicit TStatusBarMain(QWidget* parent = nullptr);

    QString PanelText(int i) const;
    // Writes only a changed text: the idle pass calls this each time the
    // event loop is about to block, and a write would wake it again.
    void SetPanelText(int i, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlacePanels();
    void ShowPanelText(int i);

    QWidget* PanelRow = nullptr;
    std::array<QLabel*, PanelCount> Panels{};
    std::array<QString, PanelCount> Texts;
};
