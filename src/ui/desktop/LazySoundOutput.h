#pragma once

#include <memory>

#include <QStringList>

#include "NotifySound.h"

// The window's sound output: loads the sound module (Qt Multimedia and the
// audio stack behind it) on the first sound, from the first of the module
// folders that holds it. Without the module the program stays silent.
class TLazySoundOutput final : public TSoundOutput {
public:
    // By default the module is looked for beside the program, then in the
    // installed library folder, ../lib/quorbel.
    explicit TLazySoundOutput(QStringList moduleFolders = InstalledModuleFolders());
    ~TLazySoundOutput() override;

    void Play(const QString& path) override;
    // The module was found and gave an output.
    bool IsLoaded() const { return bool(Output); }

    static QStringList InstalledModuleFolders();

private:
    QStringList ModuleFolders;
    std::unique_ptr<TSoundOutput> Output;
    bool Tried = false;
};
