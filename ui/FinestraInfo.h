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
    static QString Avviso();

    Immagine* Picture2() const { return picture2_; }
    Immagine* Picture3() const { return picture3_; }
    QLabel* Label2() const { return label2_; }
    QLabel* Label3() const { return label3_; }
    QLabel* Panel3d2() const { return panel3d2_; }
    QPushButton* Command3d1() const { return command3d1_; }

    void Label2_Click();

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    Immagine* picture2_ = nullptr;
    Immagine* picture3_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* panel3d2_ = nullptr;
    QPushButton* command3d1_ = nullptr;
};

} // namespace brivetta
