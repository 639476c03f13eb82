#pragma once

#include <optional>

#include <QString>

// What the first status-bar panel says about one kind of request: when it
// starts and for each outcome. A kind without an API-limit text leaves the
// panel alone on that outcome, as on every outcome it does not name.
struct TRequestTexts {
    QString Start;
    QString Done;
    QString Error;
    QString ApiLimit{};

    // The text for a worker's outcome; none: the panel keeps its text.
    std::optional<QString> ForOutcome(int outcome) const;
};

extern const TRequestTexts PostRequestTexts;
extern const TRequestTexts FavoriteRequestTexts;
extern const TRequestTexts DestroyRequestTexts;
extern const TRequestTexts VersionRequestTexts;

// A Yes/No question asked before a request.
struct TQuestion {
    QString Text;
    QString Caption;
};

extern const TQuestion AddFavoriteQuestion;
extern const TQuestion DestroyQuestion;
