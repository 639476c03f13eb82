#include "WindowFixture.h"

#include <chrono>

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTest>
#include <QTimer>

#include "RecordingSound.h"
#include "StatusBarMain.h"
#include "StatusListModel.h"
#include "StatusListView.h"
#include "Worker.h"

namespace {
constexpr int WaitMsecs = 15000;
}

QString TWindowFixture::QuietAccount() {
    return QStringLiteral("[Account]\nUsername=demo\nPassword=secret\n"
                          "[Server]\nApiURL=%1\nTwitterApiURL=%1\nWebURL=%1\nMakerURL=%1\n"
                          "ShortURLPrefix=%1/s/\n")
        .arg(QStringLiteral("http://127.0.0.1:1"));
}

void TWindowFixture::Open(const QString& iniText, bool trayAvailable) {
    QDir(Folder.path()).mkpath(QStringLiteral("sound/Default"));
    for (const char* name : {"status.wav", "reply.wav"})
        WriteFile(QStringLiteral("sound/Default/") + QLatin1String(name), "RIFF");
    auto tray = std::make_unique<TRecordingTray>(trayAvailable);
    Tray = tray.get();
    OpenWith(iniText, std::move(tray), std::make_unique<TRecordingSound>(Played));
    // The tray icon appears with the first fetches, once the window has painted.
    ASSERT_TRUE(QTest::qWaitFor([this] { return Tray->Visible; }, WaitMsecs));
}

void TWindowFixture::OpenWith(const QString& iniText, std::unique_ptr<TTrayIcon> tray,
                              std::unique_ptr<TSoundOutput> sound) {
    ResetWorkersStop(); // a window closed before in this process stopped them
    WriteFile(QStringLiteral("quorbel.ini"), iniText.toUtf8());
    QuorbelMain = std::make_unique<TFormQuorbelMain>(std::move(tray));
    FormMain =
        std::make_unique<TFormMain>(*QuorbelMain,
                                    TProgramFiles{Folder.path(),
                                                  Folder.filePath(QStringLiteral("quorbel")),
                                                  {Folder.filePath(QStringLiteral("sound"))}},
                                    std::move(sound));
    // A window started minimised stays so; any other comes to the front.
    if (!FormMain->isMinimized()) {
        FormMain->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(FormMain.get()));
    }
}

void TWindowFixture::TearDown() {
    FormMain.reset();
    QuorbelMain.reset();
    EXPECT_TRUE(WaitUntilIdle());
}

void TWindowFixture::WriteFile(const QString& name, const QByteArray& bytes) const {
    QFile file(FilePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray TWindowFixture::ReadFile(const QString& name) const {
    QFile file(FilePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString TWindowFixture::Panel(int i) const {
    return FormMain->findChild<TStatusBarMain*>(QStringLiteral("StatusBarMain"))->PanelText(i);
}

TStatusListModel& TWindowFixture::List(int j) const {
    return *FormMain->ListView(j)->Model();
}

bool TWindowFixture::WaitForPanel(const QString& text) const {
    return QTest::qWaitFor([&] { return Panel(0) == text; }, WaitMsecs);
}

bool TWindowFixture::WaitForStartUpFetches() const {
    return QTest::qWaitFor([this] { return List(TabTimeline).Count() > 0; }, WaitMsecs) &&
           WaitUntilIdle();
}

bool TWindowFixture::WaitUntilIdle() {
    return WaitForWorkers(std::chrono::milliseconds(WaitMsecs));
}

void TWindowFixture::RunEventLoop(int msecs) {
    QEventLoop loop;
    QTimer::singleShot(msecs, &loop, &QEventLoop::quit);
    loop.exec();
}

void TWindowFixture::Press(QKeyCombination keys) const {
    QTest::keyClick(FormMain.get(), keys.key(), keys.keyboardModifiers());
}
