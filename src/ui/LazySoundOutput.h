#pragma once

#include <memory>

#include "NotifySound.h"

// The window's sound output: loads the sound module (Qt Multimedia and the
// audio stack behind it) on the first sound, from beside the program or
// from the build folder. Without the module the program stays silent.
class TLazySoundOutput final : public TSoundOutput {
public:
    TLazySoundOutput();
    ~TLazySoundOutput() override;

    void Play(const QString& path) override;
    // The module was found and gave an output.
    bool IsLoaded() const { return bool(Output); }

private:
    std::unique_ptr<TSoundOutput> Output;
    bool Tried = false;
};
