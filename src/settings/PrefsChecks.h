#pragma once

#include <QString>

// The entries of the preferences dialog that OK refuses, in the order they
// are examined; the first failing one is reported.
enum class TPrefsCheck { Passed, ProxyPort, ProxyServer, Username };

struct TPrefsInput {
    QString Username;
    bool UseProxy = false;
    QString ProxyServer;
    QString ProxyPort;
    // The proxy entries are examined only where the user can reach them: a
    // dialog showing the account page alone must not refuse a proxy it hides.
    bool ProxyEditable = true;
};

TPrefsCheck CheckPrefsInput(const TPrefsInput& input);

// The error box of a failed check: its title and its text (lines separated
// by "\n"). Empty for TPrefsCheck::Passed.
struct TPrefsCheckMessage {
    QString Title;
    QString Text;
};

TPrefsCheckMessage PrefsCheckMessage(TPrefsCheck check);
