#pragma once

#include <QLocale>

// The tests run in Japanese; this one runs in another locale until it ends.
class TScopedLocale final {
public:
    explicit TScopedLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~TScopedLocale() { QLocale::setDefault(Saved); }
    TScopedLocale(const TScopedLocale&) = delete;
    TScopedLocale& operator=(const TScopedLocale&) = delete;

private:
    const QLocale Saved;
};
