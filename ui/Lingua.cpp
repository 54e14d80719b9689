#include "Lingua.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// The translations are embedded in the game's library: they are registered by hand.
static void RegistraTraduzioni() {
    Q_INIT_RESOURCE(traduzioni);
}

namespace brivetta {

Lingua LinguaScelta(const QStringList& lingueDesktop) {
    for (const QString& nome : lingueDesktop) {
        // "en", "en-US", "es-Latn-MX": the language is the first part.
        const QString lingua = nome.section(QLatin1Char('-'), 0, 0).toLower();
        if (lingua == QLatin1String("it")) return Lingua::Italiano;
        if (lingua == QLatin1String("en")) return Lingua::Inglese;
        if (lingua == QLatin1String("es")) return Lingua::Spagnolo;
    }
    return Lingua::Italiano;
}

Lingua LinguaDelDesktop() {
    return LinguaScelta(QLocale::system().uiLanguages());
}

QString Codice(Lingua lingua) {
    switch (lingua) {
    case Lingua::Inglese:
        return QStringLiteral("en");
    case Lingua::Spagnolo:
        return QStringLiteral("es");
    case Lingua::Italiano:
        break;
    }
    return QStringLiteral("it");
}

void InstallaTraduzioni(QCoreApplication& app, Lingua lingua) {
    if (lingua == Lingua::Italiano) return;
    RegistraTraduzioni();
    auto* gioco = new QTranslator(&app);
    if (gioco->load(QStringLiteral(":/traduzioni/brivetta_") + Codice(lingua)))
        app.installTranslator(gioco);
    // Qt's own texts (standard buttons, text fields' menus), when the system has them.
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + Codice(lingua),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
}

} // namespace brivetta
