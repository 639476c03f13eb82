#include "FormQuorbelMain.h"

#include "FormMain.h"
#include "TrayIcon.h"

TFormQuorbelMain::TFormQuorbelMain(std::unique_ptr<TTrayIcon> tray, QObject* parent)
    : QObject(parent), Tray(std::move(tray)) {
    setObjectName(QStringLiteral("FormQuorbelMain"));
    connect(Tray.get(), &TTrayIcon::Activated, this, &TFormQuorbelMain::ShowMainForm);
    connect(Tray.get(), &TTrayIcon::ExitRequested, this, &TFormQuorbelMain::Close);
}

TFormQuorbelMain::~TFormQuorbelMain() = default;

void TFormQuorbelMain::SetMainForm(TFormMain* form) {
    MainForm = form;
}

void TFormQuorbelMain::ShowMainForm() {
    if (MainForm && !Ended)
        MainForm->RestoreFromTray();
}

void TFormQuorbelMain::Close() {
    if (Ended)
        return;
    Ended = true;
    if (MainForm)
        MainForm->SaveOnClose();
    Tray->SetVisible(false);
    emit Closed();
}
