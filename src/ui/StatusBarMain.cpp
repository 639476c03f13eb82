#include "StatusBarMain.h"

#include <QLabel>

namespace {

struct TPanelLayout {
    int Width; // 0: takes the room the others leave
    Qt::Alignment Alignment;
    bool HiddenWhileEmpty; // leaves its room to panel 0 until it has something to say
};

constexpr std::array<TPanelLayout, TStatusBarMain::PanelCount> PanelLayouts{{
    {0, Qt::AlignLeft | Qt::AlignVCenter, false},
    {100, Qt::AlignRight | Qt::AlignVCenter, false},
    {100, Qt::AlignLeft | Qt::AlignVCenter, true},
    {50, Qt::AlignLeft | Qt::AlignVCenter, true},
}};

} // namespace

TStatusBarMain::TStatusBarMain(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBarMain"));
    for (int i = 0; i < PanelCount; ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("StatusBarMainPanel%1").arg(i));
        panel->setAlignment(PanelLayouts[i].Alignment);
        if (PanelLayouts[i].Width > 0) {
            panel->setFixedWidth(PanelLayouts[i].Width);
            addPermanentWidget(panel);
        } else {
            // A long text is cut, never widens the window.
            panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            addWidget(panel, 1);
        }
        panel->setVisible(!PanelLayouts[i].HiddenWhileEmpty);
        Panels[i] = panel;
    }
}

QString TStatusBarMain::PanelText(int i) const {
    return Panels.at(i)->text();
}

void TStatusBarMain::SetPanelText(int i, const QString& text) {
    QLabel* panel = Panels.at(i);
    if (panel->text() == text)
        return;
    panel->setText(text);
    if (PanelLayouts[size_t(i)].HiddenWhileEmpty)
        panel->setVisible(!text.isEmpty());
}
