#include "StatusBarMain.h"

#include <algorithm>

#include <QEvent>
#include <QLabel>

namespace {

struct TPanelLayout {
    int Width; // 0: the row's width less the next two panels
    Qt::Alignment Alignment;
};

constexpr std::array<TPanelLayout, TStatusBarMain::PanelCount> PanelLayouts{{
    {0, Qt::AlignLeft | Qt::AlignVCenter},
    {100, Qt::AlignRight | Qt::AlignVCenter},
    {100, Qt::AlignLeft | Qt::AlignVCenter},
    {50, Qt::AlignLeft | Qt::AlignVCenter},
}};

// What panels 1 and 2 take from the row.
constexpr int FixedRoom = PanelLayouts[1].Width + PanelLayouts[2].Width;

} // namespace

TStatusBarMain::TStatusBarMain(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBarMain"));
    PanelRow = new QWidget(this);
    // The row asks for no width: a long text is cut, never widens the window.
    PanelRow->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    for (int i = 0; i < PanelCount; ++i) {
        auto* panel = new QLabel(PanelRow);
        panel->setObjectName(QStringLiteral("StatusBarMainPanel%1").arg(i));
        panel->setAlignment(PanelLayouts[size_t(i)].Alignment);
        Panels[size_t(i)] = panel;
    }
    PanelRow->setFixedHeight(Panels[0]->sizeHint().height());
    PanelRow->installEventFilter(this);
    addWidget(PanelRow, 1);
}

QString TStatusBarMain::PanelText(int i) const {
    return Texts.at(size_t(i));
}

void TStatusBarMain::SetPanelText(int i, const QString& text) {
    if (Texts.at(size_t(i)) == text)
        return;
    Texts[size_t(i)] = text;
    Panels[size_t(i)]->setToolTip(text);
    ShowPanelText(i);
}

// A narrow window cuts a text with an ellipsis; the tip shows it whole.
void TStatusBarMain::ShowPanelText(int i) {
    QLabel* panel = Panels[size_t(i)];
    panel->setText(panel->fontMetrics().elidedText(Texts[size_t(i)], Qt::ElideRight,
                                                   panel->contentsRect().width()));
}

bool TStatusBarMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == PanelRow && event->type() == QEvent::Resize)
        PlacePanels();
    return QStatusBar::eventFilter(watched, event);
}

// A panel keeps its width while the row has room for it and is cut at the
// row's edge; one that would begin past the edge (the last panel, as a rule)
// is not shown.
void TStatusBarMain::PlacePanels() {
    const int rowWidth = PanelRow->width();
    int left = 0;
    for (int i = 0; i < PanelCount; ++i) {
        const int wanted = PanelLayouts[size_t(i)].Width > 0 ? PanelLayouts[size_t(i)].Width
                                                             : rowWidth - FixedRoom;
        const int width = std::clamp(wanted, 0, std::max(0, rowWidth - left));
        QLabel* panel = Panels[size_t(i)];
        panel->setGeometry(left, 0, width, PanelRow->height());
        panel->setVisible(width > 0);
        ShowPanelText(i);
        left += width;
    }
}
