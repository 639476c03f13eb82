#include "FeedPhrases.h"

const QStringList& TFeedPhrases::Plain() {
    static const QStringList phrases{
        "おはようございます。今日も一日がんばりましょう",
        "お昼ごはんはカレーうどんにしました{emoji}",
        "電車が遅れてて会社に間に合わないかも…",
        "やっと金曜日！週末は何しようかな",
        "新しいキーボード買った。打鍵感がすばらしい",
        "雨の日はやる気が出ない{emoji}",
        "ワッサー久しぶりに開いた",
        "コーヒー3杯目。そろそろやめておこう",
        "猫がキーボードの上で寝てる。仕事にならない{emoji}",
        "今日の夕焼けがきれいだった{emoji}",
        "終電に間に合った！セーフ",
        "ビルドが通らない。なぜだ",
        "ラーメン食べたい。とんこつ一択",
        "明日は早起きしないと。おやすみなさい{emoji}",
        "桜が咲き始めてる。もう春ですね",
        "会議が3時間続いた。疲れた…",
        "半角ｶﾀｶﾅと全角カタカナが混ざってて読みにくい",
        "100円ショップで便利グッズ発見",
        "週末は秋葉原に行ってきます",
        "ヒトコト投稿テスト。＆とか<タグ>とか\"引用符\"も大丈夫？",
        "コンビニの新作スイーツ、当たりだった{emoji}",
        "寒い！こたつから出られない",
        "今日は在宅勤務。静かで捗る",
        "梅雨明けはまだかな",
    };
    return phrases;
}

const QStringList& TFeedPhrases::MultiLine() {
    static const QStringList phrases{
        "今日の買い物リスト\n・牛乳\n・たまご\n・食パン",
        "一行目です\n二行目です",
        "俳句を詠みます\n古池や\n蛙飛び込む\n水の音",
        "お知らせ：\n明日のオフ会は19時からです{emoji}",
        "TODO\n1. 洗濯\n2. 掃除\n3. 昼寝",
        "改行を\r\n含む投稿",
    };
    return phrases;
}

const QStringList& TFeedPhrases::Hearts() {
    static const QStringList phrases{
        "この曲ほんとに好き <3",          "<3 <3 新しいカメラ届いた <3 <3", "みんなありがとう<3",
        "週末のケーキが楽しみ <3{emoji}", "うちの犬がかわいすぎる <3",
    };
    return phrases;
}

const QStringList& TFeedPhrases::WithShortUrl() {
    static const QStringList phrases{
        "これ面白い {url}",
        "{url} 今日のまとめ記事",
        "あとで読む {url}",
        "二回貼っちゃった {url} {url}",
        "新しいお店ができたらしい→{url}",
    };
    return phrases;
}

const QStringList& TFeedPhrases::WithLink() {
    static const QStringList phrases{
        "ブログ更新しました {link}",
        "{link} ここのラーメンうまい",
        "参考になった {link}",
    };
    return phrases;
}

const QStringList& TFeedPhrases::Replies() {
    static const QStringList phrases{
        "おはようございます！",
        "それな",
        "わかる、すごくわかる",
        "今度一緒に行きましょう{emoji}",
        "お疲れさまでした！",
        "え、本当ですか？",
        "ありがとうございます！助かりました",
        "あとで詳しく教えてください",
    };
    return phrases;
}

const QStringList& TFeedPhrases::Emoji() {
    // Phones send their carrier's emoji in the Private Use Area: mostly
    // DoCoMo's, as on the real service (sun, cloud, umbrella, heart, smile,
    // four-leaf clover, beer), some SoftBank's (heart, sun, smiles); newer
    // clients send Unicode emoji.
    static const QStringList emoji{
        QString(QChar(0xE63E)), QString(QChar(0xE63F)), QString(QChar(0xE640)),
        QString(QChar(0xE6EC)), QString(QChar(0xE6F0)), QString(QChar(0xE741)),
        QString(QChar(0xE672)), QString(QChar(0xE022)), QString(QChar(0xE04A)),
        QString(QChar(0xE057)), QString(QChar(0xE415)), QString::fromUtf8("🍣"),
        QString::fromUtf8("😊"), QString::fromUtf8("☀"),
    };
    return emoji;
}

const QStringList& TFeedPhrases::Links() {
    static const QStringList links{
        "http://www.example.jp/blog/2009/09/entry-123.html",
        "http://ramen.example.com/shop?id=42&area=shinjuku",
        "https://www.example.org/news/",
    };
    return links;
}

const QStringList& TFeedPhrases::AreaNames() {
    static const QStringList names{
        "東京都渋谷区",       "大阪府大阪市北区",   "京都府京都市中京区",
        "北海道札幌市中央区", "福岡県福岡市博多区",
    };
    return names;
}
