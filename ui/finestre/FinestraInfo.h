#pragma once
// The about window: title and version, the king and seven of Denare of the set in use, the
// maker's notice and a link to the maker's web site.

#include <QDialog>
#include <QPixmap>

class QLabel;
class QPushButton;

namespace brivetta {

class Immagine;

class FinestraInfo : public QDialog {
    Q_OBJECT
  public:
    // The two card pictures come from the table's slots 10 (king) and 7 (seven of Denare).
    FinestraInfo(const QPixmap& reBello, const QPixmap& setteBello, QWidget* parent = nullptr);

    // "Brivetta 2002 - Versione  4. 0. 16": each number as a plain conversion writes it, with
    // a blank where a minus sign would stand.
    static QString RigaVersione(int maggiore, int minore, int revisione);
    static QString TestoAvviso();

    QPushButton* Ok() const { return ok_; }

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    QWidget* CreaCarte(const QPixmap& reBello, const QPixmap& setteBello);
    QWidget* CreaSito();
    void ApriSito();

    QLabel* sito_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace brivetta
