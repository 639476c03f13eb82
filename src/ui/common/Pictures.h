#pragma once

#include <QIcon>
#include <QImage>
#include <QList>

// The window's pictures, drawn in code so they stay crisp at every size.

inline constexpr int RowPictureSize = 13;
inline constexpr int TabPictureSize = 16;
inline constexpr int TabPictureCount = 6; // plain pictures; the news variants follow

// ImageListStatus, in state-mark order: N on red, "!" on blue, balloon on teal,
// envelope on orange, a red cross, a pink heart. 13x13 each, drawn for the
// device pixel ratio given, so they stay sharp on a scaled screen.
QList<QImage> StatusPictures(qreal pixelRatio);

// Image 0 of ImageListHit: the dark-red hit mark of a pickup-word status.
QImage HitMarkPicture(qreal pixelRatio);

// ImageListTabIcon: blue speech bubble, green envelope, yellow balloon, orange
// pin, red heart, blue magnifying glass, then the same six with "!" beside them.
QList<QIcon> TabPictures();

// ImageListIcon: the program icon, with a red "N" badge (news), with an
// envelope badge.
QList<QIcon> ProgramIcons();

// The overflow button of a bar too short for its entries: a double chevron
// pointing along the bar.
QIcon OverflowPicture(Qt::Orientation bar);
