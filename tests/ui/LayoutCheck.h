#pragma once

#include <QStringList>

class QWidget;

// What a user would see as a broken layout under root, one line each: a shown
// widget reaching outside its parent, two shown siblings overlapping, a
// caption (label, check box, button) narrower or, wrapped, lower than its
// text needs. Empty when the layout holds.
QStringList LayoutFaults(const QWidget* root);
