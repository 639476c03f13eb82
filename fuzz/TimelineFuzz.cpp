// The timeline document as a fetch worker takes it, then what the merge makes
// of each status.
#include <cmath>

#include "Friends.h"
#include "FuzzSupport.h"
#include "QuorbelItem.h"
#include "StatusText.h"
#include "Urls.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFriends friends;
    try {
        friends.ParseJSON(FuzzBytes(data, size), 9);
    } catch (const TParseError&) {
        FuzzCheck(friends.Count() == 0, "a rejected document left statuses behind");
        return 0;
    }
    for (const TFriendItem& status : friends) {
        FuzzCheck(std::isfinite(status.Date), "a status date is not a number");
        FuzzCheck(DateTimeToQDateTime(status.Date).isValid(), "a status date has no calendar form");

        const QString target = TFriends::ReplyTargetFromText(status.Text);
        FuzzCheck(target.isEmpty() || status.Text.startsWith(u'@' + target),
                  "a reply target that the text does not begin with");

        TQuorbelItem item;
        CopyToItem(status, item);
        FuzzCheck(StatusRowText(item).endsWith(RemoveLineFeeds(status.Text)),
                  "a row text that does not end with the status text");

        for (const QByteArray& url : ExtractURLs(status.Text.toUtf8()))
            FuzzCheck(url.startsWith("http://") || url.startsWith("https://"),
                      "an extracted URL that is not a web address");
    }
    return 0;
}
