#include "VersionNotice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "VersionCheck.h"

namespace {

constexpr int PanelHeight = 69;
constexpr QSize LabelMinimumSize(313, 17);
constexpr QSize DownloadButtonSize(149, 25);
constexpr QSize CloseButtonSize(81, 25);
const QColor Maroon(0x80, 0x00, 0x00);

QPushButton* MakeButton(const QString& name, const QString& caption, QSize size) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setMinimumSize(size);
    return button;
}

} // namespace

TVersionNotice::TVersionNotice(QWidget* parent) : QFrame(parent), LabelVersionUp(new QLabel(this)) {
    setObjectName(QStringLiteral("PanelVersionUp"));
    setFixedHeight(PanelHeight);
    LabelVersionUp->setObjectName(QStringLiteral("LabelVersionUp"));
    // At least the room of the announcement; a wider font widens it rather than cut it.
    LabelVersionUp->setMinimumSize(LabelMinimumSize);
    QFont bold = LabelVersionUp->font();
    bold.setBold(true);
    LabelVersionUp->setFont(bold);
    QPalette maroon = LabelVersionUp->palette();
    maroon.setColor(QPalette::WindowText, Maroon);
    LabelVersionUp->setPalette(maroon);

    QPushButton* download = MakeButton(QStringLiteral("ButtonVersionUp"),
                                       QStringLiteral("ダウンロードページへ"), DownloadButtonSize);
    QPushButton* close = MakeButton(QStringLiteral("ButtonVersionUpClose"),
                                    QStringLiteral("閉じる"), CloseButtonSize);
    connect(download, &QPushButton::clicked, this, [this] {
        emit DownloadRequested();
        hide();
    });
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(11);
    buttons->addWidget(download);
    buttons->addWidget(close);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(LabelVersionUp);
    layout->addLayout(buttons);
    hide();
}

void TVersionNotice::Announce(const QString& version) {
    LabelVersionUp->setText(VersionNoticeText(version));
    show();
}

QString TVersionNotice::Text() const {
    return LabelVersionUp->text();
}
