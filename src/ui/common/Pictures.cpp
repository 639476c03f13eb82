#include "Pictures.h"

#include <array>
#include <functional>

#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

using TDraw = std::function<void(QPainter&)>;

// Draws on a design grid of grid x grid units into a size x size picture of
// size x pixelRatio device pixels.
QImage Render(int size, qreal grid, const TDraw& draw, qreal pixelRatio = 1) {
    const int pixels = qRound(size * pixelRatio);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / grid, size / grid);
    draw(painter);
    return image;
}

// Renders each size when it is first asked for, so making the icons costs
// nothing at start-up.
class TDrawnIconEngine final : public QIconEngine {
public:
    TDrawnIconEngine(qreal grid, TDraw draw) : Grid(grid), Draw(std::move(draw)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        // One picture pixel per device pixel, not a logical-size picture magnified.
        const QPaintDevice* device = painter->device();
        const qreal ratio = device ? device->devicePixelRatio() : qApp->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int side = qMax(1, qMin(size.width(), size.height()));
        QPixmap& cached = Cache[side];
        if (cached.isNull())
            cached = QPixmap::fromImage(Render(side, Grid, Draw));
        if (mode != QIcon::Disabled)
            return cached;
        QPixmap faded(cached.size());
        faded.fill(Qt::transparent);
        QPainter painter(&faded);
        painter.setOpacity(0.4);
        painter.drawPixmap(0, 0, cached);
        return faded;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new TDrawnIconEngine(Grid, Draw); }

private:
    qreal Grid;
    TDraw Draw;
    QHash<int, QPixmap> Cache;
};

QIcon RenderIcon(qreal grid, TDraw draw) {
    return QIcon(new TDrawnIconEngine(grid, std::move(draw)));
}

void Tile(QPainter& p, const QColor& fill) {
    p.setPen(QPen(fill.darker(140), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, 12, 12), 2, 2);
}

// A letter N filling the rectangle: two stems and the diagonal.
void LetterN(QPainter& p, const QRectF& r, const QColor& color) {
    const qreal stem = r.width() * 0.3;
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawRect(QRectF(r.left(), r.top(), stem, r.height()));
    p.drawRect(QRectF(r.right() - stem, r.top(), stem, r.height()));
    p.drawPolygon(QPolygonF{r.topLeft(), QPointF(r.left() + stem, r.top()), r.bottomRight(),
                            QPointF(r.right() - stem, r.bottom())});
}

// An exclamation mark: a bar and a dot.
void Exclamation(QPainter& p, const QRectF& r, const QColor& color) {
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    const qreal dot = r.width();
    p.drawRect(QRectF(r.left(), r.top(), r.width(), r.height() - dot * 1.6));
    p.drawRect(QRectF(r.left(), r.bottom() - dot, r.width(), dot));
}

void Balloon(QPainter& p, const QRectF& body, const QColor& fill, const QColor& line) {
    QPainterPath path;
    path.addEllipse(body);
    const QPointF base(body.left() + body.width() * 0.3, body.bottom() - body.height() * 0.15);
    QPainterPath tail;
    tail.addPolygon(QPolygonF{base, QPointF(base.x() - body.width() * 0.12, body.bottom() + 2.5),
                              QPointF(base.x() + body.width() * 0.3, base.y())});
    p.setPen(line == Qt::transparent ? QPen(Qt::NoPen) : QPen(line, 1));
    p.setBrush(fill);
    p.drawPath(path.united(tail));
}

void Envelope(QPainter& p, const QRectF& r, const QColor& paper, const QColor& line) {
    p.setPen(QPen(line, 1));
    p.setBrush(paper);
    p.drawRect(r);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(
        QPolygonF{r.topLeft(), QPointF(r.center().x(), r.top() + r.height() * 0.6), r.topRight()});
}

QPainterPath Heart(const QRectF& r) {
    const auto at = [&r](qreal x, qreal y) {
        return QPointF(r.left() + r.width() * x, r.top() + r.height() * y);
    };
    QPainterPath path(at(0.5, 0.95));
    path.cubicTo(at(0.08, 0.62), at(0.0, 0.3), at(0.16, 0.14));
    path.cubicTo(at(0.3, 0.0), at(0.46, 0.08), at(0.5, 0.24));
    path.cubicTo(at(0.54, 0.08), at(0.7, 0.0), at(0.84, 0.14));
    path.cubicTo(at(1.0, 0.3), at(0.92, 0.62), at(0.5, 0.95));
    return path;
}

void Cross(QPainter& p, const QRectF& r, const QColor& color, qreal width) {
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
}

const std::array<TDraw, 6> StatusDrawings{
    [](QPainter& p) {
        Tile(p, QColor(0xD3, 0x2F, 0x2F));
        LetterN(p, QRectF(3, 3, 7, 7), Qt::white);
    },
    [](QPainter& p) {
        Tile(p, QColor(0x1E, 0x63, 0xC8));
        Exclamation(p, QRectF(5.25, 2.5, 2.5, 8), Qt::white);
    },
    [](QPainter& p) {
        Tile(p, QColor(0x00, 0x89, 0x7B));
        Balloon(p, QRectF(2, 2.5, 9, 6), Qt::white, Qt::transparent);
    },
    [](QPainter& p) {
        Tile(p, QColor(0xF0, 0x8A, 0x00));
        Envelope(p, QRectF(2.5, 3.5, 8, 6), Qt::white, QColor(0xB0, 0x5A, 0x00));
    },
    [](QPainter& p) { Cross(p, QRectF(2.5, 2.5, 8, 8), QColor(0xE0, 0x10, 0x10), 2.2); },
    [](QPainter& p) {
        p.setPen(QPen(QColor(0xC2, 0x18, 0x5B), 0.8));
        p.setBrush(QColor(0xF4, 0x7A, 0xB0));
        p.drawPath(Heart(QRectF(0.5, 1, 12, 11.5)));
    },
};

// Tab pictures on a 16-unit grid.
const std::array<TDraw, TabPictureCount> TabDrawings{
    [](QPainter& p) {
        p.setPen(QPen(QColor(0x24, 0x57, 0xA0), 1));
        p.setBrush(QColor(0x3C, 0x7D, 0xD9));
        QPainterPath path;
        path.addRoundedRect(QRectF(1.5, 2.5, 13, 9), 3, 3);
        QPainterPath tail;
        tail.addPolygon(QPolygonF{QPointF(4, 10.5), QPointF(3.5, 14.5), QPointF(8.5, 10.5)});
        p.drawPath(path.united(tail));
    },
    [](QPainter& p) {
        Envelope(p, QRectF(1.5, 3.5, 13, 9), QColor(0x66, 0xBB, 0x6A), QColor(0x1B, 0x5E, 0x20));
    },
    [](QPainter& p) {
        Balloon(p, QRectF(1.5, 1.5, 13, 10), QColor(0xFF, 0xD5, 0x4F), QColor(0xB8, 0x8A, 0x00));
    },
    [](QPainter& p) {
        p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(7, 8.5), QPointF(3, 14.5));
        p.setPen(QPen(QColor(0xE6, 0x51, 0x00), 1));
        p.setBrush(QColor(0xFF, 0x98, 0x00));
        p.drawEllipse(QPointF(9.5, 5.5), 4, 4);
    },
    [](QPainter& p) {
        p.setPen(QPen(QColor(0xB7, 0x1C, 0x1C), 1));
        p.setBrush(QColor(0xE5, 0x39, 0x35));
        p.drawPath(Heart(QRectF(1, 1.5, 14, 13.5)));
    },
    [](QPainter& p) {
        p.setPen(QPen(QColor(0x1E, 0x63, 0xC8), 2));
        p.setBrush(QColor(0xE3, 0xF0, 0xFF));
        p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
        p.setPen(QPen(QColor(0x1E, 0x63, 0xC8), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 10), QPointF(14, 14));
    },
};

void NewsBadge(QPainter& p) {
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(QColor(0xE0, 0x10, 0x10));
    p.drawRect(QRectF(12, 0.5, 3.5, 9.5));
    p.drawRect(QRectF(12, 11.5, 3.5, 3.5));
}

// The program icon: a teal speech bubble carrying a white "Q".
void ProgramPicture(QPainter& p) {
    QLinearGradient shade(0, 0, 0, 14);
    shade.setColorAt(0, QColor(0x26, 0xA6, 0x9A));
    shade.setColorAt(1, QColor(0x00, 0x69, 0x5C));
    QPainterPath body;
    body.addRoundedRect(QRectF(1, 1, 14, 11.5), 3.5, 3.5);
    QPainterPath tail;
    tail.addPolygon(QPolygonF{QPointF(3.5, 12), QPointF(2.5, 15.5), QPointF(8, 12)});
    p.setPen(QPen(QColor(0x00, 0x4D, 0x40), 0.8));
    p.setBrush(shade);
    p.drawPath(body.united(tail));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 1.7, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(QPointF(8, 6.75), 3.4, 3.4);
    p.drawLine(QPointF(9.6, 8.4), QPointF(11.8, 10.6));
}

} // namespace

QList<QImage> StatusPictures(qreal pixelRatio) {
    QList<QImage> pictures;
    for (const TDraw& draw : StatusDrawings)
        pictures.append(Render(RowPictureSize, RowPictureSize, draw, pixelRatio));
    return pictures;
}

QImage HitMarkPicture(qreal pixelRatio) {
    return Render(
        RowPictureSize, RowPictureSize,
        [](QPainter& p) { Exclamation(p, QRectF(5, 1, 3, 11), QColor(0x9B, 0x00, 0x00)); },
        pixelRatio);
}

QList<QIcon> TabPictures() {
    QList<QIcon> pictures;
    for (const TDraw& draw : TabDrawings)
        pictures.append(RenderIcon(TabPictureSize, draw));
    for (const TDraw& draw : TabDrawings) {
        pictures.append(RenderIcon(TabPictureSize, [draw](QPainter& p) {
            p.save();
            p.scale(12.0 / TabPictureSize, 1);
            draw(p);
            p.restore();
            NewsBadge(p);
        }));
    }
    return pictures;
}

QList<QIcon> ProgramIcons() {
    const auto badged = [](TDraw badge) {
        return RenderIcon(16, [badge](QPainter& p) {
            ProgramPicture(p);
            badge(p);
        });
    };
    return {
        RenderIcon(16, ProgramPicture),
        badged([](QPainter& p) {
            p.setPen(QPen(Qt::white, 0.8));
            p.setBrush(QColor(0xE0, 0x10, 0x10));
            p.drawEllipse(QPointF(11.5, 11.5), 4.2, 4.2);
            LetterN(p, QRectF(9.6, 9.6, 3.8, 3.8), Qt::white);
        }),
        badged([](QPainter& p) {
            Envelope(p, QRectF(8.5, 9.5, 7, 5.5), QColor(0xFF, 0xB3, 0x00),
                     QColor(0x8A, 0x4B, 0x00));
        }),
    };
}

QIcon OverflowPicture(Qt::Orientation bar) {
    return RenderIcon(16, [bar](QPainter& p) {
        if (bar == Qt::Vertical) {
            // Pointing down: the same drawing turned a quarter.
            p.translate(16, 0);
            p.rotate(90);
        }
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (const qreal x : {4.0, 8.5})
            p.drawPolyline(QPolygonF{QPointF(x, 4.5), QPointF(x + 3.5, 8), QPointF(x, 11.5)});
    });
}
