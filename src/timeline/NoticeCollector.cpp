#include "NoticeCollector.h"

#include "DrawnText.h"
#include "StatusText.h"

void TNoticeCollector::BeginStatus(const QString& userID, const QString& text) {
    Entry = DrawnText(userID) + QStringLiteral(" : ") + DrawnText(RemoveLineFeeds(text)) +
            QStringLiteral("\r\n");
    HasEntry = false;
}

void TNoticeCollector::NewPoint() {
    if (!Prefs.PopupOnlyReplyToMe && !Prefs.PopupOnlyFavID && !Prefs.PopupOnlyPickup)
        AddEntry();
}

void TNoticeCollector::ReplyPoint() {
    if (Prefs.PopupOnlyReplyToMe)
        AddEntry();
}

void TNoticeCollector::FavIDPoint(int i) {
    if (Prefs.PopupOnlyFavID && Prefs.FavIDPopup[size_t(i)])
        AddEntry();
}

void TNoticeCollector::PickupPoint(int i) {
    if (Prefs.PopupOnlyPickup && Prefs.PickupPopup[size_t(i)])
        AddEntry();
}

void TNoticeCollector::AddEntry() {
    if (HasEntry)
        return;
    Notice.prepend(Entry);
    HasEntry = true;
}
