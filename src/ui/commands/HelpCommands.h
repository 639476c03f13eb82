#pragma once

#include <functional>

#include <QObject>
#include <QString>

class TQuorbelVersion;
class TTwitterRateLimit;
class TVersionNotice;
class TWindowHooks;

// The version check with its notice, the request-allowance query and the
// About box: the handlers of ActionHelpCheckUpdate, ActionRateLimit and
// ActionHelpAbout, connected when the window makes this object.
class THelpCommands final : public QObject {
    Q_OBJECT
public:
    // The parts of the window the commands write to.
    struct TWindowParts {
        TVersionNotice& Notice;
        // Writes the third status-bar panel.
        std::function<void(const QString&)> ShowRateLimit;
    };

    THelpCommands(TWindowHooks& window, TWindowParts parts);

    // Asks the maker's site for the newest version; a newer one is announced
    // in the notice.
    void CheckVersion();
    // Asks for the account's hourly request allowance; the answer goes to
    // the third status-bar panel. Nothing happens without an account.
    void GetRateLimit();
    // The About box, modal.
    void ActionHelpAboutExecute();

private:
    // Disables the command's menu entry until the next tick of TimerDM, then checks.
    void ActionHelpCheckUpdateExecute();
    void CheckVersionDone(const TQuorbelVersion& worker, int outcome);
    void GetRateLimitDone(const TTwitterRateLimit& worker, int outcome);
    void ButtonVersionUpClick();

    TWindowHooks& Window;
    TWindowParts Parts;
};
