#pragma once
// The options dialog: the player's name and character, the starting money, the card speed,
// the computer players' bluffing, the double-winnings rule and the card set.

#include <QDialog>
#include <array>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace brivetta {

class FinestraTavolo;
class Immagine;

class DialogoOpzioni : public QDialog {
    Q_OBJECT
  public:
    static constexpr int NumPersonaggi = 8;
    static constexpr int LunghezzaNome = 7; // characters the name box takes

    explicit DialogoOpzioni(FinestraTavolo& tavolo);

    // The name as it is stored: first character upper case, the rest lower case.
    static QString NomeCapitalizzato(const QString& nome);

    // Controls, for the keyboard and for tests.
    QLineEdit* Text1() const { return text1_; }
    QScrollBar* HScroll1() const { return hScroll1_; } // card speed
    QScrollBar* HScroll2() const { return hScroll2_; } // bluff
    QScrollBar* HScroll3() const { return hScroll3_; } // starting money
    QLabel* Label3() const { return label3_; }
    QLabel* Label7() const { return label7_; }
    QLabel* Label9() const { return label9_; }
    QCheckBox* Check3d1() const { return check3d1_; }
    Immagine* Picture3(int i) const { return picture3_[i]; }
    QRadioButton* Option3d1(int i) const { return option3d1_[i]; }
    QListWidget* List1() const { return list1_; }
    QPushButton* Command3d1() const { return command3d1_; } // OK
    QPushButton* Command3d2() const { return command3d2_; } // Annulla

    void Command3d1_Click();
    void Command3d2_Click();
    void List1_DblClick();

  protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    void CreaControlli();
    void Form_Load();
    void Form_Activate();
    void ElencaMazzi();
    void FuocoSulNome();
    void Picture3_Click(int i);

    FinestraTavolo& tavolo_;
    QLineEdit* text1_ = nullptr;
    QScrollBar* hScroll1_ = nullptr;
    QScrollBar* hScroll2_ = nullptr;
    QScrollBar* hScroll3_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label7_ = nullptr;
    QLabel* label9_ = nullptr;
    QCheckBox* check3d1_ = nullptr;
    std::array<Immagine*, NumPersonaggi> picture3_{};
    std::array<QRadioButton*, NumPersonaggi> option3d1_{};
    QButtonGroup* personaggi_ = nullptr;
    QListWidget* list1_ = nullptr;
    QPushButton* command3d1_ = nullptr;
    QPushButton* command3d2_ = nullptr;
};

} // namespace brivetta
