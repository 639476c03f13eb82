#include "QuorbelVersion.h"

#include <algorithm>

namespace {
bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 32;
}
} // namespace

QString TQuorbelVersion::VersionFromFile(const QByteArray& content) {
    const auto first = std::find_if_not(content.begin(), content.end(), IsBlankOrControl);
    const auto last = std::find_if_not(content.rbegin(), content.rend(), IsBlankOrControl).base();
    return first < last ? QString::fromUtf8(first, last - first) : QString();
}

void TQuorbelVersion::Execute() {
    const THttpClient client = MakeClient({.SideRequest = true});
    QByteArray content;
    try {
        content = client.Get(Prefs.MakerURL.toUtf8() + "/quorbel/ver.dat").Body;
    } catch (const THttpError&) {
        NotifyResult(OutcomeError);
        return;
    }
    Version = VersionFromFile(content);
    NotifyResult(OutcomeDone);
}
