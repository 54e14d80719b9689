#pragma once
// The end of a game: the final message and money, another game or leaving.

#include <QDialog>
#include <array>
#include <functional>

#include "StatoTavolo.h"

class QLabel;
class QPushButton;

namespace brivetta {

class FinePartita : public QDialog {
    Q_OBJECT
  public:
    // uscita ends the program at once; tests replace it.
    FinePartita(const StatoTavolo& stato, std::function<void()> uscita, QWidget* parent = nullptr);

    QLabel* Label1() const { return label1_; }
    QLabel* Label2(int i) const { return label2_[i]; }
    QLabel* Label3(int i) const { return label3_[i]; }
    QPushButton* Command1() const { return command1_; }     // Fine gioco
    QPushButton* Command3d1() const { return command3d1_; } // Altra partita

  private:
    QLabel* label1_ = nullptr;
    std::array<QLabel*, MaxGiocatori> label2_{};
    std::array<QLabel*, MaxGiocatori> label3_{};
    QPushButton* command1_ = nullptr;
    QPushButton* command3d1_ = nullptr;
    std::function<void()> uscita_;
};

} // namespace brivetta
