#pragma once

// True when a tray balloon is read as markup: Qt hands the balloon of a
// StatusNotifier item to the desktop's notification server, which reads
// markup in its body when it says so; the XEmbed tray draws plain text.
// Asks the session bus, so it is asked once, when the tray icon is made.
bool BalloonReadsMarkup();
