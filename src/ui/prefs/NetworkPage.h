#pragma once

#include <QWidget>

#include "PrefsControls.h"

class QLineEdit;

// The preferences page "ネットワーク": the proxy.
class TNetworkPage final : public QWidget {
public:
    explicit TNetworkPage(TCheckBoxes& checks);

    QLineEdit* const EditProxy;
    QLineEdit* const EditPort;
    QLineEdit* const EditUser;
    QLineEdit* const EditPass;
};
