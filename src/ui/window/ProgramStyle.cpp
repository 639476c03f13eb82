#include "ProgramStyle.h"

#include "Pictures.h"

QIcon TProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                  const QWidget* widget) const {
    switch (icon) {
    case SP_ToolBarHorizontalExtensionButton:
        return OverflowPicture(Qt::Horizontal);
    case SP_ToolBarVerticalExtensionButton:
        return OverflowPicture(Qt::Vertical);
    default:
        return QProxyStyle::standardIcon(icon, option, widget);
    }
}
