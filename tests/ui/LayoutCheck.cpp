#include "LayoutCheck.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QLabel>
#include <QList>
#include <QWidget>

namespace {

QString Describe(const QWidget* widget) {
    const QString name = widget->objectName();
    const QString text = qobject_cast<const QLabel*>(widget)
                             ? qobject_cast<const QLabel*>(widget)->text()
                         : qobject_cast<const QAbstractButton*>(widget)
                             ? qobject_cast<const QAbstractButton*>(widget)->text()
                             : QString();
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(QString::fromLatin1(widget->metaObject()->className()), name, text);
}

// A caption must be as wide as its text; a wrapped label reflows instead and
// must be as high as its text at the width it got.
void CheckCaption(const QWidget* widget, QStringList& faults) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (!label && !qobject_cast<const QAbstractButton*>(widget))
        return;
    if (label && label->wordWrap()) {
        if (label->height() < label->heightForWidth(label->width()))
            faults.append(QStringLiteral("%1 too low").arg(Describe(widget)));
        return;
    }
    if (widget->width() < widget->sizeHint().width())
        faults.append(QStringLiteral("%1 too narrow: %2 < %3")
                          .arg(Describe(widget))
                          .arg(widget->width())
                          .arg(widget->sizeHint().width()));
}

void Check(const QWidget* parent, QStringList& faults) {
    QList<const QWidget*> shown;
    for (const QObject* object : parent->children()) {
        const auto* child = qobject_cast<const QWidget*>(object);
        // Windows (menus, pop-ups) are placed on the screen, not in the parent.
        if (child && child->isVisible() && !child->isWindow())
            shown.append(child);
    }
    // A scroll area's viewport shows a part of its contents by design: what
    // lies past its edge is scrolled to, not clipped.
    const bool scrolled =
        qobject_cast<const QAbstractScrollArea*>(parent->parentWidget()) &&
        static_cast<const QAbstractScrollArea*>(parent->parentWidget())->viewport() == parent;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QWidget* child = shown[i];
        if (!scrolled && !parent->rect().contains(child->geometry()))
            faults.append(QStringLiteral("%1 outside %2").arg(Describe(child), Describe(parent)));
        for (qsizetype k = i + 1; k < shown.size(); ++k) {
            if (child->geometry().intersects(shown[k]->geometry()))
                faults.append(
                    QStringLiteral("%1 overlaps %2").arg(Describe(child), Describe(shown[k])));
        }
        CheckCaption(child, faults);
        Check(child, faults);
    }
}

} // namespace

QStringList LayoutFaults(const QWidget* root) {
    QStringList faults;
    Check(root, faults);
    return faults;
}
