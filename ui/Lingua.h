#pragma once
// The language the game speaks: the desktop's, when the game has it; Italian, the game's own
// language, for every other and for the C locale.

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace brivetta {

enum class Lingua { Italiano, Inglese, Spagnolo };

// The first of the desktop's languages, in its order of preference, that the game speaks
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG as QLocale::system().uiLanguages() reads them).
Lingua LinguaScelta(const QStringList& lingueDesktop);
Lingua LinguaDelDesktop();

// "it", "en", "es".
QString Codice(Lingua lingua);

// The game's translation and Qt's own (standard buttons), owned by the application. Italian
// installs nothing: the texts are written in it.
void InstallaTraduzioni(QCoreApplication& app, Lingua lingua);

} // namespace brivetta
