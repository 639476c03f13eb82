#include "TwitterRateLimit.h"

#include <QXmlStreamReader>

bool TTwitterRateLimit::IsWellFormedXml(const QByteArray& text) {
    QXmlStreamReader xml(text);
    bool hasRoot = false;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement)
            hasRoot = true;
    }
    return hasRoot && !xml.hasError();
}

bool TTwitterRateLimit::ParseRateLimit(const QByteArray& text) {
    // Like loading a whole document first: a broken one gives no values at all.
    if (!IsWellFormedXml(text))
        return false;
    QXmlStreamReader xml(text);
    xml.readNextStartElement();
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        int* field = name == u"remaining-hits"          ? &RemainingHits
                     : name == u"hourly-limit"          ? &HourlyLimit
                     : name == u"reset-time-in-seconds" ? &ResetTimeInSeconds
                                                        : nullptr;
        if (!field) {
            xml.skipCurrentElement();
            continue;
        }
        const QString value = xml.readElementText();
        bool ok = false;
        const int number = value.toInt(&ok, 10);
        if (xml.hasError() || !ok)
            return false;
        *field = number;
    }
    return !xml.hasError();
}

void TTwitterRateLimit::Execute() {
    if (!WaitStartDelay(StartDelay))
        return;
    const THttpClient client = MakeClient({.Identify = true, .SideRequest = true});
    QByteArray body;
    try {
        body = client.Get(Prefs.TwitterApiURL.toUtf8() + "/account/rate_limit_status.xml").Body;
    } catch (const THttpError& error) {
        NotifyResult(OutcomeOf(error));
        return;
    }
    if (!IsWellFormedXml(body)) {
        NotifyResult(OutcomeParseError);
        return;
    }
    // Values that are not integers still count as an answer; they stay 0.
    (void)ParseRateLimit(body);
    NotifyResult(OutcomeDone);
}
