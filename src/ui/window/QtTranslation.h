#pragma once

#include <QLibraryInfo>
#include <QString>

// Puts Qt's own texts (the standard buttons of questions, the font and colour
// dialogs, the edits' context menus) into Japanese, whatever the user's
// locale: every other text of the window is Japanese, and one dialog must not
// mix two languages. False when Qt's Japanese translation is not in the
// folder; those texts then stay in English and nothing else changes.
bool InstallQtTranslation(
    const QString& folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));
