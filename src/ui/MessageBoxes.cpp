#include "MessageBoxes.h"

#include <QMessageBox>

void TMessageBoxes::Error(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::critical(parent, title, text, QMessageBox::Ok);
}
