#include "FormAbout.h"

#include <QDesktopServices>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include "Names.h"
#include "Urls.h"

namespace {

constexpr QSize LogoSize(266, 83);
constexpr QSize ClientSize(282, 199);
const QString Copyright = QStringLiteral("Copyright © Quorbel developers");

QLabel* CentredLabel(const QString& name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

TFormAbout::TFormAbout(QString makerURL, QWidget* parent)
    : QDialog(parent), MakerURL(std::move(makerURL)),
      OpenUrl([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    ImageLogo = new QLabel;
    ImageLogo->setObjectName(QStringLiteral("ImageLogo"));
    ImageLogo->setPixmap(Logo());
    ImageLogo->setFixedSize(LogoSize);
    ImageLogo->setCursor(Qt::PointingHandCursor);
    ImageLogo->setToolTip(MakerURL);
    ImageLogo->installEventFilter(this);

    QLabel* name = CentredLabel(QStringLiteral("LabelAppName"), ProgramName);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);

    auto* buttonOK = new QPushButton(QStringLiteral("OK"));
    buttonOK->setObjectName(QStringLiteral("ButtonOK"));
    buttonOK->setDefault(true);
    connect(buttonOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(ImageLogo, 0, Qt::AlignHCenter);
    layout->addWidget(name);
    layout->addWidget(CentredLabel(QStringLiteral("LabelAppVersion"), ProgramVersion));
    layout->addWidget(CentredLabel(QStringLiteral("LabelCopyright"), Copyright));
    layout->addWidget(buttonOK, 0, Qt::AlignHCenter);
    setFixedSize(layout->sizeHint().expandedTo(ClientSize));
}

QPixmap TFormAbout::Logo() {
    QPixmap logo(LogoSize);
    logo.fill(Qt::white);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // A band of sky over fresh green: the colours of a quiet timeline.
    const QRectF band(1.5, 1.5, LogoSize.width() - 3, LogoSize.height() - 3);
    QLinearGradient sky(band.topLeft(), band.bottomLeft());
    sky.setColorAt(0.0, QColor(0xE8, 0xF4, 0xFF));
    sky.setColorAt(1.0, QColor(0xD8, 0xF0, 0xDC));
    painter.setPen(QPen(QColor(0x7F, 0xB0, 0xD8), 1.0));
    painter.setBrush(sky);
    painter.drawRoundedRect(band, 10, 10);

    // A speech bubble carrying a "Q".
    const QRectF bubble(16, 14, 54, 44);
    QPainterPath bubblePath;
    bubblePath.addRoundedRect(bubble, 12, 12);
    QPainterPath tail;
    tail.moveTo(28, bubble.bottom() - 4);
    tail.lineTo(22, bubble.bottom() + 13);
    tail.lineTo(42, bubble.bottom() - 4);
    tail.closeSubpath();
    bubblePath = bubblePath.united(tail);
    QLinearGradient bubbleFill(bubble.topLeft(), bubble.bottomLeft());
    bubbleFill.setColorAt(0.0, QColor(0x4C, 0xA6, 0xE8));
    bubbleFill.setColorAt(1.0, QColor(0x2E, 0x7D, 0xC4));
    painter.setPen(QPen(QColor(0x24, 0x62, 0x9C), 1.2));
    painter.setBrush(bubbleFill);
    painter.drawPath(bubblePath);
    QFont mark(QStringLiteral("Sans Serif"));
    mark.setPixelSize(32);
    mark.setBold(true);
    painter.setFont(mark);
    painter.setPen(Qt::white);
    painter.drawText(bubble, Qt::AlignCenter, QStringLiteral("Q"));

    // The name, with a small line under it.
    QFont title(QStringLiteral("Sans Serif"));
    title.setPixelSize(30);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(0x23, 0x4E, 0x7A));
    const QRectF titleRect(84, 10, 172, 40);
    painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter, ProgramName);
    QFont tagline(QStringLiteral("Sans Serif"));
    tagline.setPixelSize(12);
    painter.setFont(tagline);
    painter.setPen(QColor(0x3C, 0x7A, 0x4A));
    painter.drawText(QRectF(86, 50, 172, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Wassr client"));
    return logo;
}

bool TFormAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ImageLogo && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        ImageLogoClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormAbout::ImageLogoClick() {
    if (IsWebAddress(MakerURL))
        OpenUrl(QUrl(MakerURL));
}
