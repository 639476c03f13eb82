#pragma once

#include <array>
#include <initializer_list>

#include <QHash>
#include <QString>
#include <QStringList>

#include "ColorText.h"
#include "QuorbelPrefs.h"

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QSpinBox;
class QWidget;

// The controls the preferences pages are made of, and the tables that bind
// the check boxes and the colour pickers to the settings they edit.

struct TCheckBinding {
    const char* Name;
    const char* Caption;
    bool TQuorbelPrefs::*Field;
};

extern const std::array<TCheckBinding, 34> CheckBindings;

// The colour pickers, in rows of background and text colour.
struct TColorBinding {
    const char* Name;
    TColor TQuorbelPrefs::*Field;
};

extern const std::array<TColorBinding, 6> ColorBindings;

// The check boxes of the dialog by name; each page adds its own.
using TCheckBoxes = QHash<QString, QCheckBox*>;

// The check box of a bound setting, captioned from CheckBindings and added to checks.
QCheckBox* MakeCheck(TCheckBoxes& checks, const QString& name);
QLineEdit* MakeEdit(const QString& name, bool password = false);
QLabel* MakeNote(const QString& text);
QComboBox* MakeCombo(const QString& name, const QStringList& items);
QSpinBox* MakeSpin(const QString& name, int minimum, int maximum);
// A leading label names the control after it, for Alt+key and for screen readers.
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets);
// Names the page and stacks its groups from the top.
void LayOutPage(QWidget* page, const QString& name, std::initializer_list<QWidget*> groups);
