#include "ColorPickerButton.h"

#include <array>

#include <QColorDialog>
#include <QEvent>
#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QWidgetAction>

#include "QtConvert.h"

namespace {

struct TPaletteEntry {
    TColor Color;
    const char* Name; // shown as the swatch's tip
};

// The named colours a settings file can hold, without the system colours.
constexpr std::array<TPaletteEntry, 20> Palette{{
    {0x00000000, "黒"},
    {0x00000080, "栗色"},
    {0x00008000, "緑"},
    {0x00008080, "オリーブ"},
    {0x00800000, "紺"},
    {0x00800080, "紫"},
    {0x00808000, "青緑"},
    {0x00808080, "灰色"},
    {0x00C0C0C0, "銀"},
    {0x000000FF, "赤"},
    {0x0000FF00, "ライム"},
    {0x0000FFFF, "黄"},
    {0x00FF0000, "青"},
    {0x00FF00FF, "赤紫"},
    {0x00FFFF00, "水色"},
    {0x00FFFFFF, "白"},
    {0x00C0DCC0, "マネーグリーン"},
    {0x00F0CAA6, "スカイブルー"},
    {0x00F0FBFF, "クリーム"},
    {0x00A4A0A0, "ミディアムグレー"},
}};

constexpr int PaletteColumns = 5;
constexpr QSize SwatchSize(16, 16);
constexpr QSize ButtonSwatchSize(36, 14);

QPixmap SwatchPixmap(const QColor& color, QSize size, const QColor& frame) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(frame);
    painter.setBrush(color.isValid() ? color : QColor(Qt::transparent));
    painter.drawRect(QRect(QPoint(0, 0), size - QSize(1, 1)));
    return pixmap;
}

TColor FromQColor(const QColor& color) {
    return TColor(color.red()) | TColor(color.green()) << 8 | TColor(color.blue()) << 16;
}

} // namespace

TColorPickerButton::TColorPickerButton(QWidget* parent)
    : QToolButton(parent), Menu(new QMenu(this)) {
    setPopupMode(QToolButton::InstantPopup);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setIconSize(ButtonSwatchSize);

    auto* grid = new QWidget(Menu);
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    for (int k = 0; k < int(Palette.size()); ++k) {
        const TColor color = Palette[k].Color;
        auto* swatch = new QToolButton(grid);
        swatch->setObjectName(ColorToText(color));
        swatch->setToolTip(QString::fromUtf8(Palette[k].Name));
        swatch->setAccessibleName(swatch->toolTip());
        swatch->setAutoRaise(true);
        swatch->setCheckable(true);
        swatch->setIconSize(SwatchSize);
        swatch->setIcon(SwatchPixmap(ToQColor(color, palette()), SwatchSize, Qt::darkGray));
        connect(swatch, &QToolButton::clicked, this, [this, color] {
            Menu->hide();
            SetColor(color);
        });
        layout->addWidget(swatch, k / PaletteColumns, k % PaletteColumns);
        Swatches.append(swatch);
    }
    auto* gridAction = new QWidgetAction(Menu);
    gridAction->setDefaultWidget(grid);
    Menu->addAction(gridAction);
    Menu->addSeparator();
    QAction* standard = Menu->addAction(QStringLiteral("標準"));
    standard->setObjectName(QStringLiteral("ActionDefaultColor"));
    connect(standard, &QAction::triggered, this, [this] { SetColor(Default); });
    QAction* custom = Menu->addAction(QStringLiteral("カスタム"));
    custom->setObjectName(QStringLiteral("ActionCustomColor"));
    connect(custom, &QAction::triggered, this, &TColorPickerButton::ChooseCustom);
    setMenu(Menu);
    UpdateLook();
}

QList<TColor> TColorPickerButton::PaletteColors() {
    QList<TColor> colors;
    for (const TPaletteEntry& entry : Palette)
        colors.append(entry.Color);
    return colors;
}

void TColorPickerButton::SetColor(TColor color) {
    if (color == Value)
        return;
    Value = color;
    UpdateLook();
    emit ColorChanged(Value);
}

void TColorPickerButton::changeEvent(QEvent* event) {
    // A system colour follows the palette.
    if (event->type() == QEvent::PaletteChange)
        UpdateLook();
    QToolButton::changeEvent(event);
}

void TColorPickerButton::ChooseCustom() {
    const QColor chosen =
        QColorDialog::getColor(ToQColor(Value, palette()), this, QStringLiteral("色の設定"));
    if (chosen.isValid())
        SetColor(FromQColor(chosen));
}

void TColorPickerButton::UpdateLook() {
    const QColor shown = ToQColor(Value, palette());
    setIcon(SwatchPixmap(shown, ButtonSwatchSize, palette().color(QPalette::WindowText)));
    setToolTip(ColorToText(Value));
    for (QToolButton* swatch : std::as_const(Swatches))
        swatch->setChecked(swatch->objectName() == ColorToText(Value));
}
