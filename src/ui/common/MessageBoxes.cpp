#include "MessageBoxes.h"

#include <QMessageBox>

void TMessageBoxes::Error(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::critical(parent, title, text, QMessageBox::Ok);
}

bool TMessageBoxes::Question(QWidget* parent, const QString& title, const QString& text) {
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void TMessageBoxes::Message(QWidget* parent, const QString& title, const QString& text) {
    // Lines may end in CR LF; the box breaks at LF alone.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::NoIcon, title, shown, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
