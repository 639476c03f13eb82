#include "LazySoundOutput.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcSound, "quorbel.sound", QtWarningMsg)

const QString ModuleName = QStringLiteral("/quorbel_sound.so");

using TMakeOutput = TSoundOutput* (*)();

TMakeOutput FindModule() {
    for (const QString& folder :
         {QCoreApplication::applicationDirPath(), QStringLiteral(QUORBEL_SOUND_MODULE_DIR)}) {
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

TLazySoundOutput::TLazySoundOutput() = default;
TLazySoundOutput::~TLazySoundOutput() = default;

void TLazySoundOutput::Play(const QString& path) {
    if (!Tried) {
        Tried = true;
        if (const TMakeOutput make = FindModule())
            Output.reset(make());
    }
    if (Output)
        Output->Play(path);
}
