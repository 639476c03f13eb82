#include "LazySoundOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcSound, "quorbel.sound", QtWarningMsg)

const QString ModuleName = QStringLiteral("/quorbel_sound.so");

using TMakeOutput = TSoundOutput* (*)();

TMakeOutput FindModule(const QStringList& folders) {
    for (const QString& folder : folders) {
        // The module stays loaded for the rest of the run.
        QLibrary module(folder + ModuleName);
        if (const auto make =
                reinterpret_cast<TMakeOutput>(module.resolve("QuorbelMakeSoundOutput")))
            return make;
        qCDebug(lcSound) << "no sound module:" << module.errorString();
    }
    return nullptr;
}

} // namespace

TLazySoundOutput::TLazySoundOutput(QStringList moduleFolders)
    : ModuleFolders(std::move(moduleFolders)) {}

TLazySoundOutput::~TLazySoundOutput() = default;

QStringList TLazySoundOutput::InstalledModuleFolders() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    return {programDir.path(),
            QDir::cleanPath(programDir.filePath(QStringLiteral("../lib/quorbel")))};
}

void TLazySoundOutput::Play(const QString& path) {
    if (!Tried) {
        Tried = true;
        if (const TMakeOutput make = FindModule(ModuleFolders))
            Output.reset(make());
    }
    if (Output) {
        qCDebug(lcSound) << "playing" << path;
        Output->Play(path);
    }
}
