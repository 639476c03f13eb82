#pragma once

#include <QList>
#include <QToolButton>

#include "ColorText.h"

class QMenu;

// A button showing a colour; its menu offers a palette of the named colours,
// "標準" (the default colour given by the owner) and "カスタム" (any colour,
// through the colour dialog). System colours are not offered, but a value
// that is one keeps showing as that colour.
class TColorPickerButton final : public QToolButton {
    Q_OBJECT
public:
    explicit TColorPickerButton(QWidget* parent = nullptr);

    TColor Color() const { return Value; }
    void SetColor(TColor color);

    // The colour "標準" stands for.
    TColor DefaultColor() const { return Default; }
    void SetDefaultColor(TColor color) { Default = color; }

    // The palette, in the order it is shown.
    static QList<TColor> PaletteColors();

signals:
    void ColorChanged(TColor color);

protected:
    void changeEvent(QEvent* event) override;

private:
    void ChooseCustom();
    void UpdateLook();

    TColor Value = 0;
    TColor Default = 0;
    QMenu* Menu = nullptr;
    QList<QToolButton*> Swatches;
};
