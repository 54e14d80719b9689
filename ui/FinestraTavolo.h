#pragma once
// The card table: draws the game's VistaTavolo, answers the game's events (a card's flight, a
// sound, a message, the summary, the end of a game) and hands the player's moves to the game.
// Everything runs in the application's one event loop: a wait is an animation, a sound or a
// window-modal dialog, and the game goes on when it is over.

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "Gioco.h"
#include "Statistiche.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QScrollBar;
class QTimer;
class QPushButton;

namespace brivetta {

class FileStatistiche;
class Immagine;
class LettoreSuoni;
class Tavolo;
class VoloCarta;

class FinestraTavolo : public QMainWindow {
    Q_OBJECT
  public:
    // Without a random source the game uses the clock-seeded one; tests pass a scripted one.
    explicit FinestraTavolo(FonteCasuale* caso = nullptr, QWidget* parent = nullptr);
    ~FinestraTavolo() override;

    // Start-up: fills the screen, makes the program folder current, loads settings and
    // pictures; once the window has settled, counts the seats and paints the idle table. No
    // game starts.
    void Avvia();
    bool Pronta() const { return pronta_; }
    // The folder made current at start-up; empty means the one prepared beside the executable.
    void ImpostaCartella(const QString& cartella) { cartella_ = cartella; }

    const StatoTavolo& Stato() const { return gioco_.Stato(); }
    Gioco& Motore() { return gioco_; }

    // Card pictures 0..40 (0 the back, which also shows the deck and the covered cards). A
    // picture from the set's 2x/ folder is drawn at the same logical size, sharper.
    void ImpostaImmagineCarta(int indice, const QPixmap& immagine);
    QPixmap ImmagineCarta(int indice) const;
    // Faces: 2s-2 smiling and 2s-1 frowning face of seat s, 12 + 2p and 13 + 2p those of the
    // character p the human may choose (seat 1 wears the chosen one).
    QPixmap ImmagineFaccia(int indice) const;

    // The player's moves, from the buttons, the keys and the menu.
    void NuovaPartita();
    void CartaScoperta();
    void CartaCoperta();
    void Stop();
    void PostaCambiata(int valore);

    // Menu entries.
    void Esci();
    void ApriOpzioni();
    void CambiaSuono();
    void ApriAiuto();
    void MostraRegole();
    void ScriviAutore();
    void VisitaSito();
    void MostraInfo();
    void MostraStatistiche();
    QAction* VoceSuono() const { return voceSuono_; }
    // The odds of the next card in the bar, at the human's move.
    void CambiaProbabilita();
    QAction* VoceProbabilita() const { return voceProbabilita_; }

    // The table's play is held while one of the player's windows is open over it.
    bool InPausa() const { return pausa_ > 0; }
    bool CartaInVolo() const;

    // Test seams: the sound player (each sound then ends at once) and what leaving does.
    std::function<void(const std::string&)> suonatore;
    std::function<void()> uscita;

  protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

  private:
    void CreaTavolo();
    void CreaBarra();
    void CreaMenu();
    void CaricaFacce();
    void CopiaAvatar();
    void CaricaCarte();
    void Rinfresca();

    // The game's events.
    void Prosegui();
    void Fatto();
    void Suona(const char* file);
    void ApriMessaggioDelGioco(const std::string& testo);
    void ApriRiepilogo();
    void ApriFinePartita();
    void PartiCarta(const Volo& volo);

    // The player's own windows over the table.
    void Sospendi();
    void Riprendi();
    void Avviso(const QString& testo);
    void ProssimoAvviso();
    void ApplicaOpzioni(const Impostazioni& scelte);
    void Salva();

    // The window filling the screen, then `poi` once its size has settled.
    void QuandoSchermoPieno(std::function<void()> poi);
    int AltezzaInterna() const;
    void RipristinaGeometria();
    void SalvaGeometria();
    QString FilePreferenze() const;
    void Mossa(Azione azione, int valore = 0);
    void CreaVoceProbabilita(QMenu* opzioni);
    void CreaEtichettaProbabilita();
    void CaricaProbabilita();
    void MostraProbabilita();

    // The player's statistics, counted when a game starts, a summary opens and a game ends.
    void CaricaStatistiche();
    void SalvaStatistiche();
    void ContaNuovaPartita();
    void ContaManche(const Riepilogo& riepilogo);
    void ContaFinePartita();

    std::unique_ptr<FonteCasuale> casoProprio_;
    Gioco gioco_;
    QString cartella_;
    bool pronta_ = false;

    bool inAttesa_ = false;     // an event of the game is being shown
    bool daRispondere_ = false; // it ended while the table was paused
    int pausa_ = 0;             // the player's windows open over the table
    QStringList avvisi_;        // the table's own messages, shown one after the other
    bool avvisoAperto_ = false;
    // A failed save is told once a session: the saves after it fail alike.
    bool impostazioniNonSalvateDette_ = false;
    std::optional<int> postaRichiesta_; // a slider move made while the game was busy
    bool schermoInAttesa_ = false;
    bool chiusa_ = false; // the player has left: nothing of the game goes on
    QTimer* attesaSchermo_ = nullptr;

    Tavolo* tavolo_ = nullptr;
    VoloCarta* volo_ = nullptr;
    LettoreSuoni* lettore_ = nullptr;
    QFrame* barra_ = nullptr;
    QPushButton* nuovaPartita_ = nullptr;
    QPushButton* cartaScoperta_ = nullptr;
    QPushButton* cartaCoperta_ = nullptr;
    QPushButton* stop_ = nullptr;
    QLabel* etichettaPosta_ = nullptr; // "Posta:"
    QScrollBar* cursore_ = nullptr;
    Immagine* monete_ = nullptr;
    QLabel* didascaliaPosta_ = nullptr;
    QLabel* probabilita_ = nullptr;
    std::array<Immagine*, CarteNelMazzo + 1> carte_{}; // 0 the deck, 1..40 the faces
    std::array<Immagine*, MaxGiocatori + 1> dorsi_{};  // the covered cards' backs
    std::array<Immagine*, 2 * MaxGiocatori> volti_{};  // each seat's two faces
    Immagine* segnaTurno_ = nullptr;
    std::array<QLabel*, MaxGiocatori + 1> etichette_{}; // seat labels 1..6
    QLabel* nomeUmano_ = nullptr;

    QAction* voceNuova_ = nullptr;
    QAction* voceOpzioni_ = nullptr;
    QAction* voceSuono_ = nullptr;
    QAction* voceProbabilita_ = nullptr;

    std::array<QPixmap, CarteNelMazzo + 1> immaginiCarte_{};
    std::array<QPixmap, 28> immaginiFacce_{};
    std::array<Luogo, CarteNelMazzo + 1> luoghiMostrati_{};
    int righeDipinte_ = -1;
    std::array<std::string, MaxGiocatori + 1> nomiDipinti_{};

    Statistiche statistiche_;
    std::unique_ptr<FileStatistiche> fileStatistiche_;
    bool salvataggioFallito_ = false; // told once, not after every manche
};

} // namespace brivetta
