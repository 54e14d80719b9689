#pragma once
// The options dialog: the player's name and character, the starting money, the card speed,
// the computer players' bluffing, the double-winnings rule and the card set. It only shows and
// collects choices: the table applies and saves them when the dialog is accepted.

#include <QDialog>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "Impostazioni.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace brivetta {

class Immagine;

class DialogoOpzioni : public QDialog {
    Q_OBJECT
  public:
    static constexpr int NumPersonaggi = 8;
    static constexpr int LunghezzaNome = 7; // characters the name box takes

    // figura gives the picture of character 0..7 (its smiling face).
    DialogoOpzioni(const Impostazioni& attuali, std::function<QPixmap(int personaggio)> figura,
                   QWidget* parent = nullptr);

    // The values the dialog holds; Carte is the set in use.
    Impostazioni Scelte() const;
    // The table has loaded a set (or fallen back to the default): the list selects it.
    void MostraMazzoInUso(const std::string& carte);

    // The name as it is stored: first character upper case, the rest lower case.
    static QString NomeCapitalizzato(const QString& nome);

    QLineEdit* Nome() const { return nome_; }
    QScrollBar* Malloppo() const { return malloppo_; }
    QScrollBar* Bluff() const { return bluff_; }
    QCheckBox* VincitaDoppia() const { return vincitaDoppia_; }
    Immagine* Figura(int i) const { return figure_[i]; }
    QRadioButton* Personaggio(int i) const { return personaggi_[i]; }
    QListWidget* Mazzi() const { return mazzi_; }
    QPushButton* Ok() const { return ok_; }
    QPushButton* Annulla() const { return annulla_; }

  signals:
    // A set was double-clicked (or chosen with Enter) in the list: its folder name's bytes.
    void mazzoScelto(const QByteArray& nome);

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    QWidget* CreaNome();
    QWidget* CreaPersonaggi(const std::function<QPixmap(int)>& figura);
    QWidget* CreaSettaggi();
    QWidget* CreaMazzi();
    QWidget* CreaBottoni();
    void Mostra(const Impostazioni& attuali);
    void FermataPersonaggi();
    void ElencaMazzi();
    void ScegliMazzo();
    void FuocoSulNome();

    Impostazioni attuali_;
    std::vector<std::string> elenco_; // the listed sets' folder names, in list order
    QLineEdit* nome_ = nullptr;
    QScrollBar* malloppo_ = nullptr;
    QScrollBar* velocita_ = nullptr;
    QScrollBar* bluff_ = nullptr;
    QLabel* valoreMalloppo_ = nullptr;
    QLabel* valoreVelocita_ = nullptr;
    QLabel* valoreBluff_ = nullptr;
    QCheckBox* vincitaDoppia_ = nullptr;
    std::array<Immagine*, NumPersonaggi> figure_{};
    std::array<QRadioButton*, NumPersonaggi> personaggi_{};
    QButtonGroup* gruppoPersonaggi_ = nullptr;
    QListWidget* mazzi_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* annulla_ = nullptr;
};

} // namespace brivetta
