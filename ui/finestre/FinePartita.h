#pragma once
// The end of a game: the final message and money, another game or leaving.

#include <QDialog>
#include <array>

#include "StatoTavolo.h"

class QLabel;
class QPushButton;

namespace brivetta {

class FinePartita : public QDialog {
    Q_OBJECT
  public:
    // "Altra partita" accepts; closing the window any other way rejects, and the game goes on
    // with another game all the same. "Fine gioco" sends fineGioco and then closes.
    FinePartita(const StatoTavolo& stato, QWidget* parent = nullptr);

    QLabel* Messaggio() const { return messaggio_; }
    // Line i (0..5) is seat i + 1.
    QLabel* Nome(int i) const { return nomi_[i]; }
    QLabel* Soldi(int i) const { return soldi_[i]; }
    QPushButton* AltraPartita() const { return altraPartita_; }
    QPushButton* FineGioco() const { return fineGioco_; }

  signals:
    // The player leaves the program.
    void fineGioco();

  private:
    QLabel* messaggio_ = nullptr;
    std::array<QLabel*, MaxGiocatori> nomi_{};
    std::array<QLabel*, MaxGiocatori> soldi_{};
    QPushButton* altraPartita_ = nullptr;
    QPushButton* fineGioco_ = nullptr;
};

} // namespace brivetta
