#pragma once

#include <QProxyStyle>

// The desktop's style, with the overflow button of the menu bar drawn in code.
// The stock picture is an image file, and reading the first image file loads
// every image-format plugin: a cost the first paint of the window need not pay.
class TProgramStyle final : public QProxyStyle {
    Q_OBJECT
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
