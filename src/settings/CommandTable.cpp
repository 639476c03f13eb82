#include "CommandTable.h"

#include "ShortcutText.h"

namespace {

TCommandInfo Command(const char* name, const char* caption, const char* shortcut = "") {
    return {QString::fromLatin1(name), QString::fromUtf8(caption), QString::fromLatin1(shortcut)};
}

} // namespace

const std::array<TCommandInfo, CommandCount>& CommandTable() {
    static const std::array<TCommandInfo, CommandCount> table{
        Command("ActionSearchGoogle", "Googleで検索"),
        Command("ActionCopy", "コピー(&C)", "Ctrl+C"),
        Command("ActionSelectAll", "すべて選択(&A)", "Ctrl+A"),
        Command("ActionReply", "返信(&T)", "Ctrl+T"),
        Command("ActionDirectMessage", "ダイレクトメッセージ(&D)", "Ctrl+D"),
        Command("ActionFriendFav", "友達のイイネ!(&B)", "Ctrl+Alt+F"),
        Command("ActionFriendHome", "友達のホーム(&H)", "Ctrl+H"),
        Command("ActionMyFavorites", "自分のイイネ!(&I)", "Ctrl+Alt+I"),
        Command("ActionTwitter", "Wassrサイト(&W)", "Ctrl+Alt+T"),
        Command("ActionFind", "検索(&S)...", "Ctrl+F"),
        Command("ActionStatusPage", "ヒトコトページ(&P)", "Ctrl+S"),
        Command("ActionDestroy", "ヒトコトを削除する(&R)...", "Ctrl+Alt+R"),
        Command("ActionCreateFavorite", "イイネ!に追加(&V)...", "Ctrl+Alt+V"),
        Command("ActionAddFavID1", "「お気に入り2」に追加"),
        Command("ActionAddFavID2", "「お気に入り3」に追加"),
        Command("ActionAddFavID3", "「お気に入り4」に追加"),
        Command("ActionAddFavID4", "「お気に入り5」に追加"),
        Command("ActionAddFavID", "お気に入りIDに追加(&F)", "Ctrl+Alt+A"),
        Command("ActionRemoveFavID1", "「お気に入り2」から削除"),
        Command("ActionRemoveFavID2", "「お気に入り3」から削除"),
        Command("ActionRemoveFavID3", "「お気に入り4」から削除"),
        Command("ActionRemoveFavID4", "「お気に入り5」から削除"),
        Command("ActionRemoveFavID", "お気に入りIDから削除(&E)", "Ctrl+Alt+M"),
        Command("ActionCopyUserID", "ユーザIDをコピー(&I)", "Shift+Ctrl+I"),
        Command("ActionCopyUserStatus", "ヒトコトをコピー(&S)", "Shift+Ctrl+A"),
        Command("ActionReplyHome", "返信先のホーム(&L)", "Ctrl+Alt+P"),
        Command("ActionFriendSite", "友達のサイト(&H)", "Ctrl+Alt+H"),
        Command("ActionFindReplyID", "返信先のユーザIDを検索(&P)", "Shift+Ctrl+P"),
        Command("ActionFindUserID", "ユーザIDを検索(&N)", "Shift+Ctrl+D"),
        Command("ActionFindMyID", "自分のIDを検索(&M)", "Shift+Ctrl+Y"),
        Command("ActionAddPeriod", "文頭にピリオドを追加(&U)", "Ctrl+Alt+U"),
        Command("ActionExit", "終了(&X)"),
        Command("ActionExecuteReload", "リスト取得(&R)", "Ctrl+R"),
        Command("ActionExecuteMessage", "ダイレクトメッセージ取得(&M)", "Ctrl+M"),
        Command("ActionExecuteReloadReply", "返信取得(&Q)", "Ctrl+Q"),
        Command("ActionExecuteSort", "取得時に並べ替えを行う(&N)", "Ctrl+Alt+S"),
        Command("ActionExecuteClearUnread", "Nマークをクリア(&C)", "Ctrl+Alt+C"),
        Command("ActionExecutePrefs", "設定(&S)...", "Ctrl+P"),
        Command("ActionMoveTimeline", "タイムライン(&T)", "Shift+Ctrl+T"),
        Command("ActionMoveMessage", "メッセージ(&M)", "Shift+Ctrl+M"),
        Command("ActionMoveReply", "返信(&R)", "Shift+Ctrl+R"),
        Command("ActionMovePickupWord1", "注目ワード2"),
        Command("ActionMovePickupWord2", "注目ワード3"),
        Command("ActionMovePickupWord3", "注目ワード4"),
        Command("ActionMovePickupWord4", "注目ワード5"),
        Command("ActionMovePickupWord", "注目ワード(&W)", "Shift+Ctrl+W"),
        Command("ActionMoveFavID1", "お気に入りID2"),
        Command("ActionMoveFavID2", "お気に入りID3"),
        Command("ActionMoveFavID3", "お気に入りID4"),
        Command("ActionMoveFavID4", "お気に入りID5"),
        Command("ActionMoveFavID", "お気に入りID(&F)", "Shift+Ctrl+F"),
        Command("ActionMoveSearch", "検索(&K)", "Shift+Ctrl+K"),
        Command("ActionMoveStatus", "入力エリア(&S)", "Shift+Ctrl+S"),
        Command("ActionHelp", "ヘルプ(&H)...", "F1"),
        Command("ActionHelpCheckUpdate", "Quorbelの更新を確認(&U)"),
        Command("ActionHelpAbout", "バージョン情報(&A)..."),
        Command("ActionProperty", "プロパティ"),
        Command("ActionCopyStatusURL", "ヒトコトURLをコピー(&L)", "Shift+Ctrl+L"),
        Command("ActionRateLimit", "API制限リクエスト数取得(&A)"),
        Command("ActionSearchWikipedia", "Wikipediaで検索"),
        Command("ActionSearchWassrSearch", "Wassr検索で検索"),
        Command("ActionSearchFindTab", "検索タブで検索"),
    };
    return table;
}

QList<TShortcutEntry> DefaultShortcutEntries() {
    QList<TShortcutEntry> entries;
    entries.reserve(CommandCount);
    for (const TCommandInfo& command : CommandTable())
        entries.append({command.Name, command.Caption, ShortcutFromText(command.DefaultShortcut)});
    return entries;
}
