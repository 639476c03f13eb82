#include "QtTranslation.h"

#include <QCoreApplication>
#include <QTranslator>

bool InstallQtTranslation(const QString& folder) {
    // Owned by the application, which uses it until it ends.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_ja"), folder) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}
