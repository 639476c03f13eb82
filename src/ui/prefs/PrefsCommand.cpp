#include "PrefsCommand.h"

#include <algorithm>
#include <limits>

#include <QTimer>
#include <QUrl>

#include "DetailPane.h"
#include "FormPrefs.h"
#include "MessageBoxes.h"
#include "PageControlList.h"
#include "QuorbelPrefs.h"
#include "StatusListModel.h"
#include "StatusLists.h"
#include "StatusListView.h"
#include "TabRebuild.h"
#include "TrayIcon.h"
#include "UrlOpener.h"
#include "WindowHooks.h"
#include "WriteError.h"

namespace {

using P = TQuorbelPrefs;

// Copies the named settings from the confirmed dialog values.
template <class... TFields>
void Take(TQuorbelPrefs& prefs, const TQuorbelPrefs& chosen, TFields... fields) {
    ((prefs.*fields = chosen.*fields), ...);
}

// A changed period restarts a running timer, so its next tick is a full
// period away; an unchanged one leaves it running as it was. startStopped: a
// stopped timer starts too (one that is off while a fetch runs must not).
void Retime(QTimer& timer, int seconds, bool startStopped) {
    const int period =
        int(std::clamp<qint64>(qint64(seconds) * 1000, 1, std::numeric_limits<int>::max()));
    if (period == timer.interval() && (timer.isActive() || !startStopped))
        return;
    if (timer.isActive() || startStopped)
        timer.start(period);
    else
        timer.setInterval(period);
}

const QString WriteErrorTitle = QStringLiteral("書き込みエラー");
const QString WriteErrorNote =
    QStringLiteral("残りの設定（タブ、色、レイアウトなど）は変更されていません。");

} // namespace

TPrefsCommand::TPrefsCommand(TWindowHooks& window, TWindowParts parts)
    : QObject(&window.Widget()), Window(window), Parts(std::move(parts)),
      Boxes(std::make_unique<TMessageBoxes>()) {
    setObjectName(QStringLiteral("PrefsCommand"));
}

TPrefsCommand::~TPrefsCommand() = default;

void TPrefsCommand::SetMessageBoxes(std::unique_ptr<TMessageBoxes> boxes) {
    Boxes = std::move(boxes);
}

QList<TTabRow> TPrefsCommand::TabRows() const {
    QList<TTabRow> rows;
    for (int position = 0; position < Parts.Tabs.count(); ++position) {
        const int j = TabSheetIndex(Parts.Tabs.widget(position)->objectName());
        rows.append(
            {TabSheetNames[size_t(j)], Parts.Tabs.Caption(j), Parts.Tabs.IsSheetVisible(j)});
    }
    return rows;
}

void TPrefsCommand::Execute(bool firstRunMode) {
    TFormPrefs dialog(Parts.SoundFolders, &Window.Widget());
    dialog.SetUrlOpener([this](const QUrl& url) { Window.UrlOpener().Open(url.toString()); });
    // The preview shows the font the lists have now.
    dialog.Fill(Window.Prefs(), Window.ListView(TabTimeline)->font(), TabRows(), firstRunMode);
    if (dialog.exec() != QDialog::Accepted)
        return;

    // Taken after the dialog closed: what changed meanwhile (a favourite ID
    // added, say) and is not the dialog's stays as it is.
    TQuorbelPrefs chosen = Window.Prefs();
    dialog.ReadBack(chosen);
    Take(Window.Prefs(), chosen, &P::Username, &P::Password, &P::ShowUsername);
    if (firstRunMode)
        return; // start-up goes on with the account alone
    try {
        Apply(chosen);
    } catch (const TWriteError& error) {
        Boxes->Error(&Window.Widget(), WriteErrorTitle,
                     error.Message() + QLatin1Char('\n') + WriteErrorNote);
    }
}

void TPrefsCommand::Apply(const TQuorbelPrefs& chosen) {
    TQuorbelPrefs& prefs = Window.Prefs();
    Take(prefs, chosen, &P::Interval);
    Retime(Parts.TimerMain, prefs.Interval, false);
    Take(prefs, chosen, &P::EnableBalloon, &P::UseProxy, &P::ProxyServer, &P::ProxyUser,
         &P::ProxyPass, &P::ProxyPort);
    Take(prefs, chosen, &P::VisibleIcon);
    Parts.Detail.SetIconVisible(prefs.VisibleIcon);
    const QString caption = Window.Caption();
    Window.Widget().setWindowTitle(caption);
    Parts.Tray.SetToolTip(caption);
    Take(prefs, chosen, &P::AddQuorbelSign, &P::MinimizeInTaskTray, &P::MinimizeOnClose,
         &P::TopMost);
    Take(prefs, chosen, &P::ListFont);
    Window.ApplyListFont();
    Take(prefs, chosen, &P::EnableJapanize, &P::NGWords, &P::TaskIconNotify);
    if (!prefs.TaskIconNotify)
        Parts.Tray.SetImage(0); // no news icon left behind
    Take(prefs, chosen, &P::PickupWords, &P::PickupLabel, &P::PickupPopup, &P::FavIDs,
         &P::FavIDLabel, &P::FavIDPopup);
    prefs.SaveLists();

    Take(prefs, chosen, &P::TabMultiLine, &P::VisibleTabIcon, &P::VisibleTabSign, &P::TabDisp,
         &P::TabIndex);
    Take(prefs, chosen, &P::ListStatusColor, &P::ListStatusTextColor, &P::ListReplyColor,
         &P::ListReplyTextColor, &P::ListReplyToColor, &P::ListReplyToTextColor);
    for (int j = 0; j < TabCount; ++j)
        Window.ListView(j)->viewport()->update();
    Take(prefs, chosen, &P::ListDubbleClickMode, &P::EnableUpdateBlock, &P::EnableUnreadManager,
         &P::SndStatus, &P::SndReply, &P::SndMessage, &P::SoundSet, &P::EnableUpdateReload);
    Take(prefs, chosen, &P::MesInterval);
    Retime(Parts.TimerDM, prefs.MesInterval, true);
    Take(prefs, chosen, &P::UsePOSTMethod, &P::FavMessage, &P::EnableUpdateCheck,
         &P::EnableConvertTinyURL, &P::ReverseSort, &P::EnableDisplayIcon, &P::EnableAutoUpdate,
         &P::PanelLayout, &P::MinimizeOnCreate, &P::PopupOnlyReplyToMe, &P::PopupOnlyFavID,
         &P::PopupOnlyPickup, &P::IDWidth, &P::AskAddFavorite, &P::EnableP3Key, &P::UpdateWithCTRL,
         &P::QuorbelMark, &P::EnableHeart);

    Window.ApplyPanelLayout();
    Window.ApplyIDColumnWidth();
    RefreshWordMarks(Window.Lists(), prefs);
    Window.ApplyTabSettings();
    ResortAllLists();
}

void TPrefsCommand::ResortAllLists() {
    const bool reverse = Window.Prefs().ReverseSort;
    for (int j = 0; j < TabCount; ++j)
        Window.Lists().List(j).Sort(reverse);
}
