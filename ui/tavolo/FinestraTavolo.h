#pragma once
// The table window: puts the table's parts together (the table, the button bar over it, the
// game in motion) and keeps what belongs to a window: the menus and keys, the player's own
// dialogs and messages, the window's size and the settings the options change.

#include <QMainWindow>
#include <QPixmap>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>

#include "Consigliere.h"
#include "Evento.h"
#include "StatoTavolo.h"

class QAction;
class QMenu;
class QScrollArea;

namespace brivetta {

class BarraComandi;
class ConsiglioTavolo;
class Facce;
class FonteCasuale;
class Gioco;
class GiocaPerMe;
class LettoreSuoni;
class PannelloTavolo;
class Preferenze;
class Regia;
class ScelteTavolo;
class SchermoPieno;
class StatisticheGiocatore;

class FinestraTavolo : public QMainWindow {
    Q_OBJECT
  public:
    // Without a random source the game uses the clock-seeded one, without a sound player the
    // system's; tests pass a scripted source and a player that hears nothing. The window
    // takes the player.
    explicit FinestraTavolo(FonteCasuale* caso = nullptr, LettoreSuoni* suoni = nullptr,
                            QWidget* parent = nullptr);
    ~FinestraTavolo() override;

    // Start-up: fills the screen, makes the program folder current, loads settings and
    // pictures; once the window has settled, counts the seats and paints the idle table. No
    // game starts.
    void Avvia();
    bool Pronta() const { return pronta_; }
    // The folder made current at start-up; empty means the one prepared beside the executable.
    void ImpostaCartella(const QString& cartella) { cartella_ = cartella; }

    const StatoTavolo& Stato() const;
    Gioco& Motore();
    QPixmap ImmagineCarta(int indice) const;
    // The advisor's reckoning, run on another thread; tests put one of their own.
    void ImpostaCalcoloConsiglio(
        std::function<ValoreMosse(const StatoTavolo&, const VistaTavolo&)> calcolo);
    // The pause of "Gioca per me" before each of its steps, in milliseconds.
    void ImpostaPausaGiocaPerMe(int ms);

    // The player's moves, from the buttons, the keys and the menu.
    void NuovaPartita();
    void CartaScoperta() { Mossa(Azione::CartaScoperta); }
    void CartaCoperta() { Mossa(Azione::CartaCoperta); }
    void Stop() { Mossa(Azione::Stop); }
    void PostaCambiata(int valore) { Mossa(Azione::Posta, valore); }

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
    void CambiaProbabilita();
    void CambiaSchermoIntero();
    void CambiaConsiglio();
    void CambiaGiocaPerMe();
    QAction* VoceSuono() const { return voceSuono_; }
    QAction* VoceProbabilita() const { return voceProbabilita_; }
    QAction* VoceConsiglio() const { return voceConsiglio_; }
    QAction* VoceGiocaPerMe() const { return voceGiocaPerMe_; }

    // The table's play is held while one of the player's windows is open over it.
    bool InPausa() const;
    bool CartaInVolo() const;

  signals:
    // The player has left: the application is to end.
    void uscita();

  protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void changeEvent(QEvent* evento) override;

  private:
    void CreaMenu();
    void Mossa(Azione azione, int valore = 0);
    void Rinfresca();
    void MostraConsiglio();

    // The player's own windows and messages over the table, each pausing it.
    void Avviso(const QString& testo);
    void ProssimoAvviso();
    void ApriSopra(QDialog* finestra);

    void RipristinaGeometria();
    // The height the seat rows may use: the cloth in sight under the bar.
    int AltezzaInterna() const;

    std::unique_ptr<FonteCasuale> casoProprio_;
    std::unique_ptr<Facce> facce_;
    std::unique_ptr<StatisticheGiocatore> statistiche_;
    std::unique_ptr<Preferenze> preferenze_;
    QString cartella_;
    bool pronta_ = false;
    bool chiusa_ = false; // the player has left: nothing of the game goes on
    QStringList avvisi_;  // the table's own messages, shown one after the other
    bool avvisoAperto_ = false;

    PannelloTavolo* pannello_ = nullptr;
    QScrollArea* scorrimento_ = nullptr;
    BarraComandi* barra_ = nullptr;
    LettoreSuoni* suoni_ = nullptr;
    Regia* regia_ = nullptr;
    SchermoPieno* schermo_ = nullptr;
    ScelteTavolo* scelte_ = nullptr;
    ConsiglioTavolo* consiglio_ = nullptr;
    GiocaPerMe* giocaPerMe_ = nullptr;
    QAction* voceNuova_ = nullptr;
    QAction* voceOpzioni_ = nullptr;
    QAction* voceSuono_ = nullptr;
    QAction* voceProbabilita_ = nullptr;
    QAction* voceSchermoIntero_ = nullptr;
    QAction* voceConsiglio_ = nullptr;
    QAction* voceGiocaPerMe_ = nullptr;
};

} // namespace brivetta
