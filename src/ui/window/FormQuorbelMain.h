#pragma once

#include <memory>

#include <QObject>
#include <QPointer>

class TFormMain;
class TTrayIcon;

// The program's owner form: never shown, it holds the tray icon, brings the
// main window back from the tray, and ends the program when it is closed.
class TFormQuorbelMain final : public QObject {
    Q_OBJECT
public:
    explicit TFormQuorbelMain(std::unique_ptr<TTrayIcon> tray, QObject* parent = nullptr);
    ~TFormQuorbelMain() override;

    TTrayIcon& TrayIconMain() const { return *Tray; }
    // The main window registers itself when it is made.
    void SetMainForm(TFormMain* form);

    // A tray click or double-click, or a second start of the program.
    void ShowMainForm();
    // Ends the program, once: the main window saves its settings, then Closed.
    void Close();
    bool IsClosed() const { return Ended; }

signals:
    void Closed();

private:
    std::unique_ptr<TTrayIcon> Tray;
    QPointer<TFormMain> MainForm;
    bool Ended = false;
};
