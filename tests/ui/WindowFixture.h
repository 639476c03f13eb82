#pragma once

#include <memory>

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>

#include "FormMain.h"
#include "FormQuorbelMain.h"
#include "NotifySound.h"
#include "RecordingTray.h"

class TStatusListModel;

// The two forms over a scratch program folder, with a recording tray and
// sound output (or real ones). Open writes the settings file and makes the forms; TearDown
// closes them and waits until no request is left.
class TWindowFixture : public testing::Test {
protected:
    // An account whose server refuses at once: no dialog asks for an account,
    // and the start-up fetches end at once without reaching anything.
    static QString QuietAccount();
    void Open(const QString& iniText, bool trayAvailable = true);
    // The same with the given tray and sound output and no sound files.
    void OpenWith(const QString& iniText, std::unique_ptr<TTrayIcon> tray,
                  std::unique_ptr<TSoundOutput> sound);
    void TearDown() override;

    QString FilePath(const QString& name) const { return Folder.filePath(name); }
    void WriteFile(const QString& name, const QByteArray& bytes) const;
    QByteArray ReadFile(const QString& name) const;

    TFormMain& Main() const { return *FormMain; }
    QString Panel(int i) const;
    TStatusListModel& List(int j) const;
    bool WaitForPanel(const QString& text) const;
    // The start-up fetches, begun once the window has painted, brought the
    // timeline and are done.
    bool WaitForStartUpFetches() const;
    // Every request done and handed back.
    static bool WaitUntilIdle();
    // Runs the event loop itself, so that it goes idle between events.
    static void RunEventLoop(int msecs);
    // The user presses a key combination in the window.
    void Press(QKeyCombination keys) const;

    QTemporaryDir Folder;
    TRecordingTray* Tray = nullptr; // owned by QuorbelMain
    QStringList Played;
    std::unique_ptr<TFormQuorbelMain> QuorbelMain;
    std::unique_ptr<TFormMain> FormMain;
};
