#include "DetailPane.h"

#include <algorithm>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "DateText.h"
#include "DrawnLineEdit.h"
#include "IconView.h"
#include "QuorbelPrefs.h"
#include "RichEditText.h"

namespace {

constexpr int IconPanelWidth = 65;
constexpr int IconTop = 4;
constexpr int NamePixelSize = 15;
constexpr int MinimumHeight = 56;
constexpr int NameDateGap = 4; // a cut name never runs into the date

} // namespace

TDetailPane::TDetailPane(const TQuorbelPrefs& prefs, QWidget* parent)
    : QWidget(parent), Prefs(prefs), PanelIcon(new QWidget(this)),
      WebBrowserIcon(new TIconView(prefs, PanelIcon)), EditName(new TDrawnLineEdit(this)),
      LabelDateTime(new QLabel(this)), RichEditText(new TRichEditText(this)) {
    setObjectName(QStringLiteral("PanelDetail"));
    PanelIcon->setObjectName(QStringLiteral("PanelIcon"));
    PanelIcon->setFixedWidth(IconPanelWidth);
    auto* icon = new QVBoxLayout(PanelIcon);
    icon->setContentsMargins(0, IconTop, 0, 0);
    icon->addWidget(WebBrowserIcon, 0, Qt::AlignLeft | Qt::AlignTop);
    icon->addStretch();
    SetIconVisible(true);

    EditName->setObjectName(QStringLiteral("EditName"));
    EditName->setAccessibleName(QStringLiteral("ユーザ"));
    RichEditText->setAccessibleName(QStringLiteral("ヒトコト"));
    EditName->setFrame(false);
    QFont bold = EditName->font();
    bold.setBold(true);
    bold.setPixelSize(NamePixelSize);
    EditName->setFont(bold);
    LabelDateTime->setObjectName(QStringLiteral("LabelDateTime"));
    LabelDateTime->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QWidget* face : {static_cast<QWidget*>(EditName), static_cast<QWidget*>(RichEditText)}) {
        QPalette colors = face->palette();
        colors.setColor(QPalette::Base, colors.color(QPalette::Button));
        face->setPalette(colors);
        face->setContextMenuPolicy(Qt::CustomContextMenu);
    }
    connect(EditName, &QWidget::customContextMenuRequested, this,
            [this](QPoint pos) { emit ContextMenuRequested(EditName->mapToGlobal(pos)); });
    connect(RichEditText, &QWidget::customContextMenuRequested, this, [this](QPoint pos) {
        emit ContextMenuRequested(RichEditText->viewport()->mapToGlobal(pos));
    });
    connect(RichEditText, &TRichEditText::UrlOpened, this, &TDetailPane::OpenUrl);
    connect(RichEditText, &TRichEditText::UserOpened, this, [this](const QString& userId) {
        emit OpenUrl(Prefs.Server.WebURL + QStringLiteral("/user/") + userId);
    });

    auto* status = new QGridLayout;
    status->setContentsMargins(2, 4, 4, 0);
    status->setSpacing(0);
    status->setHorizontalSpacing(NameDateGap);
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
    EditName->SetSourceText(row.Caption);
    RichEditText->SetText(row.Text);
    const TQuorbelItem* item = row.Item;
    if (!item)
        return;
    if (!item->ScreenName.isEmpty())
        EditName->SetSourceText(item->ScreenName + QStringLiteral(" / ") + item->UserID);
    // A time the calendar cannot show hides the label instead.
    const QString date = LocaleDateTimeText(item->Date);
    LabelDateTime->setText(date);
    LabelDateTime->setVisible(!date.isEmpty());
    // Without an address the icon of the row shown before stays.
    if (Prefs.VisibleIcon && !item->ProfileImageURL.isEmpty())
        WebBrowserIcon->Load(item->ProfileImageURL);
}

void TDetailPane::Clear() {
    EditName->SetSourceText({});
    LabelDateTime->clear();
    RichEditText->SetText({});
    WebBrowserIcon->Clear();
}

void TDetailPane::SetIconVisible(bool visible) {
    PanelIcon->setVisible(visible);
    // The stored height wins over what the controls would like; the splitter
    // stops here, and never where it would cut the icon.
    setMinimumHeight(visible ? std::max(MinimumHeight, IconTop + WebBrowserIcon->height())
                             : MinimumHeight);
}

void TDetailPane::SetFontFace(const QString& face) {
    for (QWidget* control : {static_cast<QWidget*>(EditName), static_cast<QWidget*>(LabelDateTime),
                             static_cast<QWidget*>(RichEditText)}) {
        QFont font = control->font();
        font.setFamily(face);
        control->setFont(font);
    }
}
