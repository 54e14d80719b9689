#pragma once
// The card table: renders the engine's VistaTavolo and forwards the player's input to Gioco.

#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "Gioco.h"

class QAction;
class QFrame;
class QLabel;
class QScrollBar;
class QToolButton;

namespace brivetta {

class Immagine;
class Tavolo;

class FinestraTavolo : public QMainWindow, public Interfaccia {
    Q_OBJECT
  public:
    // Without a random source the game uses the clock-seeded one; tests pass a scripted one.
    explicit FinestraTavolo(FonteCasuale* caso = nullptr, QWidget* parent = nullptr);
    ~FinestraTavolo() override;

    // Start-up: fills the screen, makes the program folder current, loads settings and
    // pictures, counts the seats and paints the idle table. No game starts.
    void Form_Load();
    // The folder made current by Form_Load; empty means the one prepared beside the executable.
    void ImpostaCartella(const QString& cartella) { cartella_ = cartella; }

    StatoTavolo& Stato() { return stato_; }
    VistaTavolo& Vista() { return vista_; }
    Gioco& Motore() { return gioco_; }

    // Card pictures, slots 0..46 (0 the back and the deck, 1..40 the faces, 41..46 the backs of
    // the covered cards). A picture with devicePixelRatio 2 (from the set's 2x/ folder) is drawn
    // at the same logical 58 x 99 size, sharper.
    void ImpostaImmagineCarta(int slot, const QPixmap& immagine);
    QPixmap ImmagineCarta(int slot) const;
    // Face pictures 0..27: 2s-2 smiling and 2s-1 frowning face of seat s, 12..27 the eight
    // characters the human may choose; 0 and 1 are copies of the chosen character's pair.
    QPixmap ImmagineFaccia(int indice) const;
    void CopiaAvatar(); // Picture3(0), (1) := the pair of StatoTavolo::Personaggio

    // Menu entries and the table's play handlers.
    void FileNuovo_Click();
    void MenuEsci_Click();
    void Command3d1_Click();
    void Command3d2_Click();
    void Command3d3_Click();
    void Command3d4_Click();
    void HScroll1_Change(int valore);

    // Renders the whole VistaTavolo on the widgets.
    void Rinfresca();

    // --- Options, documents and card pictures: bodies in FinestraTavoloMenu.cpp and CaricaCarte.cpp ---
    // MenuS_Click is called with the tick as it was before the click; it flips both the tick
    // and Suono.
    void Menuspeed_Click(); // options dialog, then a new game if the starting money changed
    void MenuS_Click();     // sound on/off, saved at once
    void MenuHelp_Click();
    void Menureg_Click();
    void MenuMail_Click();
    void MenuPHP_Click();
    void MenuInfo_Click();
    void CaricaCarte(); // pictures of the set named by StatoTavolo::Carte into the card slots
    QAction* MenuS() const { return menuS_; }
    // ------------------------------------------------------------------------------------------

    // Interfaccia
    void Messaggio(const std::string& testo) override;
    void Suona(const std::string& file) override;
    void Cedi() override;
    void PassoAnimazione() override;
    void Beep() override;
    void MostraRiepilogo(const Riepilogo& riepilogo) override;
    SceltaFine MostraFinePartita() override;
    void RiempiSchermo() override;
    int AltezzaInterna() override;
    int LarghezzaTesto(const std::string& testo) override;

    // Test seams: the sound player, and what "Fine gioco" and "Esci" do (end the process).
    std::function<void(const std::string&)> suonatore;
    std::function<void()> uscita;

  protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

  private:
    void CreaMenu();
    void CreaBarra();
    void CreaTavolo();
    void CaricaFacce();
    void Esegui(Azione azione);
    void AttendiFinestraStabile();

    StatoTavolo stato_;
    VistaTavolo vista_;
    std::unique_ptr<FonteCasuale> casoProprio_;
    Gioco gioco_;
    QString cartella_;

    Tavolo* tavolo_ = nullptr;
    QFrame* frame1_ = nullptr;
    QToolButton* command3d1_ = nullptr;
    QToolButton* command3d2_ = nullptr;
    QToolButton* command3d3_ = nullptr;
    QToolButton* command3d4_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QScrollBar* hScroll1_ = nullptr;
    Immagine* picture4_ = nullptr;
    std::array<Immagine*, NumPicture1> picture1_{};
    std::array<Immagine*, 12> picture3_{}; // the faces shown on the table
    Immagine* picture2_ = nullptr;
    std::array<QLabel*, MaxGiocatori> label5_{};
    QLabel* label4_ = nullptr;

    QAction* fileNuovo_ = nullptr;
    QAction* menuEsci_ = nullptr;
    QAction* menuspeed_ = nullptr;
    QAction* menuS_ = nullptr;

    std::array<QPixmap, NumPicture1> carte_{};
    std::array<QPixmap, NumPicture3> facce_{};
    std::array<Posizione, NumPicture1> ultimaPosCarta_{};

    // Pacing of the moving card: each pass gets its share of time, the screen is refreshed
    // at its own rate.
    using Orologio = std::chrono::steady_clock;
    Orologio::time_point scadenzaPasso_{};
    Orologio::time_point ultimoQuadro_{};
    bool sincronizzando_ = false;
    int righeDipinte_ = -1;
    std::array<std::string, MaxGiocatori + 1> nomiDipinti_{};
};

} // namespace brivetta
