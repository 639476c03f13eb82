#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

#include <malloc.h>

#include <QApplication>
#include <QMessageBox>

#include <fontconfig/fontconfig.h>

#include "CurlLibrary.h"
#include "Files.h"
#include "FormMain.h"
#include "FormQuorbelMain.h"
#include "InstanceKey.h"
#include "LazySoundOutput.h"
#include "Names.h"
#include "Pictures.h"
#include "ProgramFiles.h"
#include "ProgramStyle.h"
#include "QtTranslation.h"
#include "SingleInstance.h"
#include "StopSignals.h"
#include "SystemTrayIcon.h"
#include "Worker.h"

namespace {
// How long the end of the program waits for requests still under way.
constexpr auto WorkerWait = std::chrono::seconds(2);
} // namespace

int main(int argc, char** argv) {
    // glibc gives every thread that allocates while another does an arena of
    // its own and keeps the pages each frees; the window and its few request
    // threads share two.
    mallopt(M_ARENA_MAX, 2);
    // Reading the font configuration takes a few milliseconds the first text
    // would otherwise wait for; it runs while the application connects to the
    // display.
    std::thread fontConfig([] { FcInit(); });
    QApplication app(argc, argv);
    fontConfig.join();
    QApplication::setStyle(new TProgramStyle);
    QApplication::setApplicationName(ProgramName);
    InstallQtTranslation();
    // Closing the window may only send it to the tray; the owner form ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // Listening from the start: a signal while the window is still being made
    // ends the program once it stands.
    TStopSignals stopSignals;
    QObject::connect(&stopSignals, &TStopSignals::Received, [] {
        // The account dialog of a first start goes first.
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });

    TSingleInstance instance(InstanceName(QCoreApplication::applicationFilePath()));
    switch (instance.Acquire()) {
    case TSingleInstance::TAcquired::Acquired:
        break;
    case TSingleInstance::TAcquired::Running:
        instance.AskRunningToShow();
        return EXIT_SUCCESS;
    case TSingleInstance::TAcquired::Failed:
        // Starting anyway could run two copies on the same settings files.
        QMessageBox::critical(nullptr, ProgramName, instance.FailureText());
        return EXIT_FAILURE;
    }

    int code = EXIT_SUCCESS;
    {
        const QList<QIcon> icons = ProgramIcons();
        QApplication::setWindowIcon(icons.first());
        TFormQuorbelMain quorbelMain(std::make_unique<TSystemTrayIcon>(icons));
        TFormMain formMain(
            quorbelMain,
            ProgramFilesFor(QCoreApplication::applicationFilePath(), UserConfigFolder()),
            std::make_unique<TLazySoundOutput>());
        QObject::connect(&instance, &TSingleInstance::ShowRequested, &quorbelMain,
                         &TFormQuorbelMain::ShowMainForm);
        QObject::connect(&quorbelMain, &TFormQuorbelMain::Closed, &app, &QCoreApplication::quit);
        QObject::connect(&stopSignals, &TStopSignals::Received, &quorbelMain,
                         &TFormQuorbelMain::Close);
        if (stopSignals.WasReceived())
            quorbelMain.Close();
        else
            code = app.exec();

        RequestWorkersStop();
        if (!WaitForWorkers(WorkerWait)) {
            // A request that ignores the stop flag must not hold up the end, nor
            // meet the library being torn down under it.
            std::fflush(nullptr);
            std::quick_exit(code);
        }
    }
    TCurlLibrary::Cleanup();
    return code;
}
