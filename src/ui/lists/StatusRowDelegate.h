#pragma once

#include <QImage>
#include <QList>
#include <QStyledItemDelegate>

class TImageList;
class TQuorbelPrefs;
class TStatusListView;

// Draws a status row: in column 0 the state picture at the far left, the
// small picture (hit mark or author icon) and the caption; in column 1 the
// display text. Rows that are not selected take the colour pair that the row
// selected in the same list gives them (RowColorRuleFor); the selected row
// keeps the list's highlight.
class TStatusRowDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    TStatusRowDelegate(TStatusListView* view, const TQuorbelPrefs& prefs,
                       const QList<QImage>& statusPictures, const TImageList& rowImages);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const TStatusListView* View;
    const TQuorbelPrefs& Prefs;
    const QList<QImage>& StatusPictures;
    const TImageList& RowImages;
};
