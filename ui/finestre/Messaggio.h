#pragma once
// The game's message box: the game's title, the text as it is (names shown as typed), OK only,
// freed when closed.

#include <QString>

class QMessageBox;
class QWidget;

namespace brivetta {

QMessageBox* CreaMessaggio(QWidget* genitore, const QString& testo);

} // namespace brivetta
