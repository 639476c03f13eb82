#pragma once

#include <functional>

#include <QApplication>
#include <QTimer>

// Drives a modal dialog the way a user would while the command that opened it
// waits in exec(): act runs once on the first visible modal dialog of type T.
// It watches only while this object lives, so a dialog that never came up
// cannot leave it acting on a later one.
template <class T>
class TWhenModal final {
public:
    explicit TWhenModal(std::function<void(T&)> act) : Act(std::move(act)) {
        Poll.setInterval(5);
        QObject::connect(&Poll, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            Poll.stop();
            Ran = true;
            Act(*dialog);
        });
        Poll.start();
    }

    bool HasRun() const { return Ran; }

private:
    std::function<void(T&)> Act;
    QTimer Poll;
    bool Ran = false;
};
