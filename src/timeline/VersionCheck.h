#pragma once

#include <QString>

// The version of this program, as the maker's version file writes it.
QString RunningVersion();

// True when the version file names a version to announce: a text of digits
// and dots that is greater than the running version, compared character by
// character (a text that goes on where the other ends is the greater). Under
// that comparison "0.6" is newer than "0.52" and "0.100" is not. Anything
// else the server sent, an error page for instance, announces nothing.
bool IsNewerVersion(const QString& version, const QString& running = RunningVersion());

// The text of the version notice.
QString VersionNoticeText(const QString& version);

// The request allowance as the status bar shows it: "100 r/h".
QString RateLimitText(int hourlyLimit);
