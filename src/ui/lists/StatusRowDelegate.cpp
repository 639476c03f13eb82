#include "StatusRowDelegate.h"

#include <QApplication>
#include <QPainter>

#include "DrawnText.h"
#include "ImageList.h"
#include "Pictures.h"
#include "QtConvert.h"
#include "QuorbelPrefs.h"
#include "RowColors.h"
#include "StatusListModel.h"
#include "StatusListView.h"

namespace {

constexpr int PictureGap = 2;

struct TColorPair {
    QColor Background;
    QColor Text;
};

QColor OrDefault(const QColor& color, const QColor& fallback) {
    return color.isValid() ? color : fallback;
}

} // namespace

TStatusRowDelegate::TStatusRowDelegate(TStatusListView* view, const TQuorbelPrefs& prefs,
                                       const QList<QImage>& statusPictures,
                                       const TImageList& rowImages)
    : QStyledItemDelegate(view), View(view), Prefs(prefs), StatusPictures(statusPictures),
      RowImages(rowImages) {}

void TStatusRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const auto* model = static_cast<const TStatusListModel*>(index.model());
    const TListRow& row = model->Row(index.row());
    const QPalette& palette = option.palette;
    // The system's window colours, not the list's: the list font's colour
    // is no row colour.
    const QPalette system = QApplication::palette(View);
    const TColorPair normal{system.color(QPalette::Base), system.color(QPalette::Text)};

    QStyleOptionViewItem cell = option;
    QColor textColor = normal.Text;
    if (cell.state & QStyle::State_Selected) {
        textColor = palette.color(QPalette::Active, QPalette::HighlightedText);
    } else {
        TColorPair pair = normal;
        switch (RowColorRuleFor(row, View->SelectedRow())) {
        case TRowColorRule::Status:
            pair = {ToQColor(Prefs.ListStatusColor, system),
                    ToQColor(Prefs.ListStatusTextColor, system)};
            break;
        case TRowColorRule::Reply:
            pair = {ToQColor(Prefs.ListReplyColor, system),
                    ToQColor(Prefs.ListReplyTextColor, system)};
            break;
        case TRowColorRule::ReplyTo:
            pair = {ToQColor(Prefs.ListReplyToColor, system),
                    ToQColor(Prefs.ListReplyToTextColor, system)};
            break;
        case TRowColorRule::Default:
            break;
        }
        cell.backgroundBrush = OrDefault(pair.Background, normal.Background);
        textColor = OrDefault(pair.Text, normal.Text);
    }
    cell.state &= ~QStyle::State_HasFocus;
    cell.palette.setColor(QPalette::Inactive, QPalette::Highlight,
                          palette.color(QPalette::Active, QPalette::Highlight));
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, widget);

    QRect area = option.rect.adjusted(PictureGap, 0, -PictureGap, 0);
    // Server text: drawn with standard emoji and without bidi controls.
    QString text = DrawnText(row.Text);
    if (index.column() == 0) {
        const int top = area.top() + (area.height() - RowPictureSize) / 2;
        const QImage none;
        const QImage& state = row.StateIndex >= 0 && row.StateIndex < StatusPictures.size()
                                  ? StatusPictures.at(row.StateIndex)
                                  : none;
        // Pictures carry more pixels than their logical 13x13: drawn into
        // that square they use the device's pixels.
        painter->save();
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        if (!state.isNull())
            painter->drawImage(QRect(area.left(), top, RowPictureSize, RowPictureSize), state);
        const QImage& small = RowImages.At(row.ImageIndex);
        if (!small.isNull())
            painter->drawImage(QRect(area.left() + RowPictureSize + PictureGap, top, RowPictureSize,
                                     RowPictureSize),
                               small);
        painter->restore();
        area.setLeft(area.left() + 2 * (RowPictureSize + PictureGap));
        text = DrawnText(row.Caption);
    }
    painter->save();
    painter->setFont(option.font);
    painter->setPen(textColor);
    painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                      option.fontMetrics.elidedText(text, Qt::ElideRight, area.width()));
    painter->restore();
}

QSize TStatusRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.fontMetrics.horizontalAdvance(QLatin1Char('M')) * 10,
            qMax(option.fontMetrics.height() + 3, RowPictureSize + 3)};
}
