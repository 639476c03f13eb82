#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include "ComposeFixture.h"
#include "Composer.h"
#include "Names.h"
#include "StatusListModel.h"

namespace {

const QString Sending = QStringLiteral("ステータス送信中...");
const QString Sent = QStringLiteral("ステータス送信終了");
const QString SendError = QStringLiteral("ステータス送信エラー");
const QString SendLimit = QStringLiteral("ステータス送信エラー(API制限)");
const QString ReplyCaption = QStringLiteral("発言へのレス");

class ComposerTest : public TComposeFixture {
protected:
    QLabel* Counter() const {
        return Main().findChild<QLabel*>(QStringLiteral("LabelStatusLength"));
    }
    QPushButton* ButtonUpdate() const {
        return Main().findChild<QPushButton*>(QStringLiteral("ButtonUpdate"));
    }
    QCheckBox* CheckBoxRes() const {
        return Main().findChild<QCheckBox*>(QStringLiteral("CheckBoxRes"));
    }
    qsizetype PostCount() const { return RequestsTo(QStringLiteral("/statuses/update")).size(); }
    QByteArray LastPostBody() const {
        const QJsonArray posts = RequestsTo(QStringLiteral("/statuses/update"));
        return posts.isEmpty() ? QByteArray()
                               : posts.last()[QStringLiteral("body")].toString().toUtf8();
    }
    // Types the text, presses Enter and waits for the outcome.
    bool Send(const QString& text, const QString& outcome = Sent) {
        EditStatus()->setFocus();
        Type(EditStatus(), text);
        QTest::keyClick(EditStatus(), Qt::Key_Return);
        return WaitForPanel(outcome);
    }
    // The status as the service decodes the form field.
    static QString DecodedStatus(QByteArray body) {
        const qsizetype end = body.indexOf('&');
        QByteArray value = body.mid(7, end - 7); // after "status="
        value.replace('+', ' ');
        return QString::fromUtf8(QByteArray::fromPercentEncoding(value));
    }
};

TEST_F(ComposerTest, CounterTurnsRedBeepsAndStopsSendingFrom141) {
    OpenWindow();
    QLineEdit* edit = EditStatus();
    edit->setFocus();
    Type(edit, QString(139, u'a') + QStringLiteral("あ"));
    const QColor normal = Counter()->palette().color(QPalette::WindowText);

    EXPECT_EQ(QStringLiteral("140"), Counter()->text());
    EXPECT_TRUE(ButtonUpdate()->isEnabled());
    EXPECT_EQ(0, Beeps);

    Type(edit, QStringLiteral("b"));
    EXPECT_EQ(QStringLiteral("141"), Counter()->text());
    EXPECT_EQ(QColor(255, 0, 0), Counter()->palette().color(QPalette::WindowText));
    EXPECT_FALSE(ButtonUpdate()->isEnabled());
    EXPECT_EQ(1, Beeps);
    // Enter is swallowed and sends nothing.
    QTest::keyClick(edit, Qt::Key_Return);
    Type(edit, QStringLiteral("c"));
    EXPECT_EQ(2, Beeps) << "every change of a text that is too long beeps";
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Backspace);

    EXPECT_EQ(QStringLiteral("140"), Counter()->text());
    EXPECT_EQ(normal, Counter()->palette().color(QPalette::WindowText));
    EXPECT_TRUE(ButtonUpdate()->isEnabled());
    EXPECT_EQ(3, Beeps);
    EXPECT_EQ(0, PostCount());
    EXPECT_EQ(140, edit->text().size());
}

TEST_F(ComposerTest, EmptyEditRefreshesTheTimelineInsteadOfPosting) {
    OpenWindow();
    const qsizetype fetches = RequestsTo(QStringLiteral("/statuses/friends_timeline")).size();
    EditStatus()->setFocus();
    QTest::keyClick(EditStatus(), Qt::Key_Return);
    EXPECT_EQ(QStringLiteral("フレンド・タイムライン取得中..."), Panel(0));
    ASSERT_TRUE(WaitUntilIdle());
    QTest::mouseClick(ButtonUpdate(), Qt::LeftButton);
    ASSERT_TRUE(WaitUntilIdle());

    EXPECT_EQ(fetches + 2, RequestsTo(QStringLiteral("/statuses/friends_timeline")).size());
    EXPECT_EQ(0, PostCount());
}

struct TPostCase {
    bool Japanize;
    QString Typed;
    QString OnTheWire; // the status field, decoded
};

TEST_F(ComposerTest, PostsTheTextWithSpacingSignAndHeartRule) {
    OpenWindow();
    // The form field as the service receives it.
    ASSERT_TRUE(Send(QStringLiteral("abc")));
    EXPECT_EQ(QByteArray("status=abc+*Qb*&source=Quorbel&"), LastPostBody());

    const TPostCase cases[] = {
        {true, QStringLiteral("aあb"), QStringLiteral(" a あ b *Qb* ")},
        {true, QStringLiteral("あa"), QStringLiteral("  あ a *Qb* ")},
        {true, QStringLiteral("あ い"), QStringLiteral("  あ い *Qb* ")},
        {false, QStringLiteral("see you <3"), QStringLiteral("see you <3")},
        {false, QStringLiteral("<3 too"), QStringLiteral("<3 too *Qb*")},
        {false, QStringLiteral("絵文字 😀 & 100%"), QStringLiteral("絵文字 😀 & 100% *Qb*")},
    };
    for (const TPostCase& c : cases) {
        Main().Prefs().EnableJapanize = c.Japanize;
        ASSERT_TRUE(Send(c.Typed)) << c.Typed.toStdString() << ": " << Panel(0).toStdString();
        const QByteArray body = LastPostBody();
        EXPECT_EQ(c.OnTheWire, DecodedStatus(body)) << body.toStdString();
        EXPECT_TRUE(body.endsWith("&source=Quorbel&")) << body.toStdString();
        EXPECT_TRUE(EditStatus()->text().isEmpty());
    }
    EXPECT_EQ(QStringList({QStringLiteral("abc"), QStringLiteral("aあb"), QStringLiteral("あa"),
                           QStringLiteral("あ い"), QStringLiteral("see you <3"),
                           QStringLiteral("<3 too"), QStringLiteral("絵文字 😀 & 100%")}),
              Composer().PostHistory().Texts());
}

TEST_F(ComposerTest, UpdateWithCtrlSendsOnlyOnCtrlEnter) {
    OpenWindow(QStringLiteral("[UI]\nUpdateWithCTRL=1\n"));
    QLineEdit* edit = EditStatus();
    edit->setFocus();
    Type(edit, QStringLiteral("ctrl"));
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter);
    EXPECT_EQ(QStringLiteral("ctrl"), edit->text());
    EXPECT_NE(Sending, Panel(0));

    Hit(Qt::CTRL | Qt::Key_Return);
    ASSERT_TRUE(WaitForPanel(Sent)) << Panel(0).toStdString();
    EXPECT_EQ(1, PostCount());
    EXPECT_TRUE(edit->text().isEmpty());
}

TEST_F(ComposerTest, TextTypedWhilePostingStaysAndTheSentTextGoesToTheHistory) {
    OpenWindow(QStringLiteral("[Update]\nEnableUpdateBlock=0\n"));
    QLineEdit* edit = EditStatus();
    edit->setFocus();
    Type(edit, QStringLiteral("first"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(Sending, Panel(0));
    // The answer is handed back only once the event loop runs again.
    edit->selectAll();
    Type(edit, QStringLiteral("second"));
    ASSERT_TRUE(WaitForPanel(Sent));

    EXPECT_EQ(QStringLiteral("second"), edit->text());
    EXPECT_EQ(QStringList{QStringLiteral("first")}, Composer().PostHistory().Texts());
}

TEST_F(ComposerTest, ATextGrownTooLongDuringAPostStaysUnsendable) {
    OpenWindow(QStringLiteral("[Update]\nEnableUpdateBlock=0\n"));
    QLineEdit* edit = EditStatus();
    edit->setFocus();
    Type(edit, QStringLiteral("first"));
    QTest::keyClick(edit, Qt::Key_Return);
    edit->selectAll();
    Type(edit, QString(141, u'x'));
    ASSERT_TRUE(WaitForPanel(Sent));

    EXPECT_FALSE(ButtonUpdate()->isEnabled());
    QTest::keyClick(edit, Qt::Key_Return);
    RunEventLoop(50);
    EXPECT_EQ(1, PostCount());
}

TEST_F(ComposerTest, BlockedComposerWaitsForThePost) {
    OpenWindow();
    EditStatus()->setFocus();
    Type(EditStatus(), QStringLiteral("wait"));
    QTest::keyClick(EditStatus(), Qt::Key_Return);
    EXPECT_FALSE(EditStatus()->isEnabled());
    EXPECT_FALSE(ButtonUpdate()->isEnabled());
    ASSERT_TRUE(WaitForPanel(Sent));
    EXPECT_TRUE(EditStatus()->isEnabled());
    EXPECT_TRUE(EditStatus()->hasFocus());
    EXPECT_TRUE(ButtonUpdate()->isEnabled());
}

TEST_F(ComposerTest, TheReplyTargetsTipShowsServerTextAsDrawn) {
    const QString stored = QStringLiteral("bidi \u202Egnp.exe\u202C\uE63E");
    AddStatus(QStringLiteral("taro"), stored);
    OpenWindow();
    SelectStatus(stored);
    Hit(Qt::CTRL | Qt::Key_T);
    EXPECT_EQ(Qt::convertFromPlainText(QStringLiteral("bidi gnp.exe☀")), CheckBoxRes()->toolTip());
}

TEST_F(ComposerTest, FailedPostsKeepTextTargetAndHistoryUntilOneSucceeds) {
    AddStatus(QStringLiteral("taro"), QStringLiteral("hello there"));
    OpenWindow();
    SelectStatus(QStringLiteral("hello there"));
    const QByteArray rid =
        List(TabTimeline).ItemAt(RowOf(TabTimeline, QStringLiteral("hello there")))->Rid;
    ASSERT_FALSE(rid.isEmpty());
    Hit(Qt::CTRL | Qt::Key_T);
    ASSERT_EQ(QStringLiteral("@taro "), EditStatus()->text());
    Type(EditStatus(), QStringLiteral("ok"));

    for (const auto& [fault, outcome] : {std::pair{"500", SendError}, {"400", SendLimit}}) {
        ASSERT_TRUE(Server.Admin(QStringLiteral("/admin/fault"),
                                 {{QStringLiteral("kind"), QLatin1String(fault)}}));
        ASSERT_TRUE(Send({}, outcome)) << Panel(0).toStdString();
        EXPECT_EQ(QStringLiteral("@taro ok"), EditStatus()->text());
        EXPECT_TRUE(CheckBoxRes()->isChecked());
        EXPECT_EQ(ReplyCaption + QStringLiteral(" @taro"), CheckBoxRes()->text());
        EXPECT_EQ(QStringLiteral("taro"), Composer().ReplyUserID());
        EXPECT_TRUE(Composer().PostHistory().Texts().isEmpty());
    }

    ASSERT_TRUE(Send({}));
    EXPECT_TRUE(LastPostBody().endsWith("&source=Quorbel&reply_status_rid=" + rid + "&"))
        << LastPostBody().toStdString();
    EXPECT_TRUE(EditStatus()->text().isEmpty());
    EXPECT_FALSE(CheckBoxRes()->isChecked());
    EXPECT_EQ(ReplyCaption, CheckBoxRes()->text());
    EXPECT_TRUE(CheckBoxRes()->toolTip().isEmpty());
    EXPECT_TRUE(Composer().ReplyRid().isEmpty());
    EXPECT_EQ(QStringList{QStringLiteral("@taro ok")}, Composer().PostHistory().Texts());
}

TEST_F(ComposerTest, AnUncheckedReplyBoxSendsNoRid) {
    AddStatus(QStringLiteral("taro"), QStringLiteral("hello there"));
    OpenWindow();
    SelectStatus(QStringLiteral("hello there"));
    Hit(Qt::CTRL | Qt::Key_T);
    QTest::mouseClick(CheckBoxRes(), Qt::LeftButton, {}, QPoint(5, 8));
    ASSERT_FALSE(CheckBoxRes()->isChecked());
    ASSERT_TRUE(Send(QStringLiteral("no rid")));
    EXPECT_EQ(QByteArray("status=@taro+no+rid+*Qb*&source=Quorbel&"), LastPostBody());
}

TEST_F(ComposerTest, CtrlUpAndDownWalkThePostHistory) {
    OpenWindow();
    ASSERT_TRUE(Send(QStringLiteral("a")));
    ASSERT_TRUE(Send(QStringLiteral("b")));
    QLineEdit* edit = EditStatus();
    Type(edit, QStringLiteral("draft"));

    Hit(Qt::CTRL | Qt::Key_Up);
    EXPECT_EQ(QStringLiteral("b"), edit->text());
    EXPECT_EQ(0, edit->cursorPosition());
    EXPECT_EQ(QStringList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("draft")}),
              Composer().PostHistory().Texts());
    Hit(Qt::CTRL | Qt::Key_Up);
    EXPECT_EQ(QStringLiteral("a"), edit->text());
    Hit(Qt::CTRL | Qt::Key_Up);
    EXPECT_EQ(QStringLiteral("a"), edit->text()) << "nothing is older";
    Hit(Qt::CTRL | Qt::Key_Down);
    Hit(Qt::CTRL | Qt::Key_Down);
    EXPECT_EQ(QStringLiteral("draft"), edit->text());
    EXPECT_EQ(5, edit->cursorPosition());
    Hit(Qt::CTRL | Qt::Key_Down);
    EXPECT_TRUE(edit->text().isEmpty());
    // Up or Down without Ctrl leaves the text alone.
    Type(edit, QStringLiteral("B"));
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(QStringLiteral("B"), edit->text());
    Hit(Qt::CTRL | Qt::Key_Down);
    EXPECT_EQ(QStringLiteral("draft"), edit->text()) << "found without regard to case";
}

TEST_F(ComposerTest, ReplyFromCtrlTPrependsTheAuthorAndFromTheMenuClears) {
    AddStatus(QStringLiteral("taro"), QStringLiteral("hello <b>there</b>"));
    AddStatus(QStringLiteral("hana"), QStringLiteral("I <3 cats"));
    OpenWindow();
    SelectStatus(QStringLiteral("hello <b>there</b>"));
    EditStatus()->setText(QStringLiteral("hello"));
    Hit(Qt::CTRL | Qt::Key_T);
    EXPECT_EQ(QStringLiteral("@taro hello"), EditStatus()->text());
    EXPECT_TRUE(EditStatus()->hasFocus());
    EXPECT_EQ(EditStatus()->text().size(), EditStatus()->cursorPosition());
    EXPECT_FALSE(EditStatus()->hasSelectedText());
    EXPECT_TRUE(CheckBoxRes()->isChecked());
    EXPECT_EQ(ReplyCaption + QStringLiteral(" @taro"), CheckBoxRes()->text());
    EXPECT_EQ(QStringLiteral("hello <b>there</b>"),
              QTextDocumentFragment::fromHtml(CheckBoxRes()->toolTip()).toPlainText());

    // The menu entry runs without Ctrl held.
    EditStatus()->setText(QStringLiteral("hello"));
    Action(QStringLiteral("ActionReply"))->trigger();
    EXPECT_TRUE(EditStatus()->text().isEmpty());
    EXPECT_EQ(QStringLiteral("taro"), Composer().ReplyUserID());

    EditStatus()->setText(QStringLiteral("D someone hi"));
    Hit(Qt::CTRL | Qt::Key_T);
    EXPECT_TRUE(EditStatus()->text().isEmpty()) << "a direct message is not answered as @";

    SelectStatus(QStringLiteral("I <3 cats"));
    ASSERT_EQ(StateHeart,
              List(TabTimeline).Row(RowOf(TabTimeline, QStringLiteral("I <3 cats"))).StateIndex);
    Hit(Qt::CTRL | Qt::Key_T);
    EXPECT_EQ(QStringLiteral("<3"), EditStatus()->text());
    EXPECT_EQ(ReplyCaption + QStringLiteral(" @hana"), CheckBoxRes()->text());
}

TEST_F(ComposerTest, DirectMessageAndAddPeriodFillTheEdit) {
    AddStatus(QStringLiteral("taro"), QStringLiteral("hello there"));
    OpenWindow();
    SelectStatus(QStringLiteral("hello there"));
    Hit(Qt::CTRL | Qt::Key_D);
    EXPECT_EQ(QStringLiteral("D taro "), EditStatus()->text());
    EXPECT_TRUE(EditStatus()->hasFocus());
    EXPECT_FALSE(CheckBoxRes()->isChecked()) << "the reply target is not touched";

    EditStatus()->setText(QStringLiteral("@taro hi"));
    Refresh();
    Hit(Qt::CTRL | Qt::ALT | Qt::Key_U);
    EXPECT_EQ(QStringLiteral(".@taro hi"), EditStatus()->text());
    Action(QStringLiteral("ActionAddPeriod"))->trigger();
    EXPECT_EQ(QStringLiteral(".@taro hi"), EditStatus()->text()) << "one period only";
}

TEST_F(ComposerTest, ASuccessfulPostFetchesTheTimelineAgainWhenAsked) {
    OpenWindow(QStringLiteral("[Update]\nEnableUpdateReload=1\n"));
    const qsizetype fetches = RequestsTo(QStringLiteral("/statuses/friends_timeline")).size();
    EditStatus()->setFocus();
    Type(EditStatus(), QStringLiteral("reload"));
    QTest::keyClick(EditStatus(), Qt::Key_Return);
    // The fetch starts after the post, with its own start delay.
    ASSERT_TRUE(WaitForPanel(QStringLiteral("フレンド・タイムライン取得中...")))
        << Panel(0).toStdString();
    EXPECT_EQ(QStringList{QStringLiteral("reload")}, Composer().PostHistory().Texts());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return RequestsTo(QStringLiteral("/statuses/friends_timeline")).size() > fetches; },
        10000));
}

TEST_F(ComposerTest, TheLayoutFollowsTheWindowWidth) {
    OpenWindow();
    Main().resize(700, 500);
    QTest::qWait(10);
    auto* panel = Main().findChild<QWidget*>(QStringLiteral("PanelBottom"));
    const int buttonLeft = panel->width() - ButtonUpdate()->width() - 8;
    EXPECT_EQ(buttonLeft, ButtonUpdate()->x());
    EXPECT_EQ(buttonLeft - Counter()->width() - 6, Counter()->x());
    EXPECT_EQ(buttonLeft - EditStatus()->x() - 32, EditStatus()->width());
    EXPECT_EQ(50, panel->height());
}

} // namespace
