#include "DetailPane.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTextEdit>

#include "TimeUtil.h"

namespace {

constexpr int IconPanelWidth = 65;
constexpr int MinimumHeight = 56;

// The locale's short date and long time; the time is left out at midnight.
QString DateTimeText(TDateTime value) {
    const QDateTime at = DateTimeToQDateTime(value);
    const QLocale locale;
    QString text = locale.toString(at.date(), QLocale::ShortFormat);
    if (at.time() != QTime(0, 0))
        text += QLatin1Char(' ') + locale.toString(at.time(), QStringLiteral("H:mm:ss"));
    return text;
}

} // namespace

TDetailPane::TDetailPane(QWidget* parent)
    : QWidget(parent), PanelIcon(new QWidget(this)), EditName(new QLineEdit(this)),
      LabelDateTime(new QLabel(this)), RichEditText(new QTextEdit(this)) {
    setObjectName(QStringLiteral("PanelDetail"));
    // The stored height wins over what the controls would like; the splitter stops here.
    setMinimumHeight(MinimumHeight);
    PanelIcon->setObjectName(QStringLiteral("PanelIcon"));
    PanelIcon->setFixedWidth(IconPanelWidth);
    EditName->setObjectName(QStringLiteral("EditName"));
    EditName->setReadOnly(true);
    EditName->setFrame(false);
    QFont bold = EditName->font();
    bold.setBold(true);
    EditName->setFont(bold);
    LabelDateTime->setObjectName(QStringLiteral("LabelDateTime"));
    LabelDateTime->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    RichEditText->setObjectName(QStringLiteral("RichEditText"));
    RichEditText->setReadOnly(true);
    RichEditText->setAcceptRichText(false);
    RichEditText->setFrameShape(QFrame::NoFrame);
    for (QWidget* face : {static_cast<QWidget*>(EditName), static_cast<QWidget*>(RichEditText)}) {
        QPalette colors = face->palette();
        colors.setColor(QPalette::Base, colors.color(QPalette::Button));
        face->setPalette(colors);
    }

    auto* status = new QGridLayout;
    status->setContentsMargins(2, 4, 4, 0);
    status->setSpacing(0);
    status->addWidget(EditName, 0, 0);
    status->addWidget(LabelDateTime, 0, 1);
    status->addWidget(RichEditText, 1, 0, 1, 2);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(PanelIcon);
    layout->addLayout(status, 1);
}

void TDetailPane::ShowRow(const TListRow& row) {
    EditName->setText(row.Caption);
    RichEditText->setPlainText(row.Text);
    if (const TQuorbelItem* item = row.Item) {
        if (!item->ScreenName.isEmpty())
            EditName->setText(item->ScreenName + QStringLiteral(" / ") + item->UserID);
        LabelDateTime->setText(DateTimeText(item->Date));
        LabelDateTime->setVisible(true);
    }
}

void TDetailPane::Clear() {
    EditName->clear();
    LabelDateTime->clear();
    RichEditText->clear();
}

void TDetailPane::SetIconVisible(bool visible) {
    PanelIcon->setVisible(visible);
}

void TDetailPane::SetFontFace(const QString& face) {
    for (QWidget* control : {static_cast<QWidget*>(EditName), static_cast<QWidget*>(LabelDateTime),
                             static_cast<QWidget*>(RichEditText)}) {
        QFont font = control->font();
        font.setFamily(face);
        control->setFont(font);
    }
}
