#pragma once
// The advisor at the table: the values of the human's moves, reckoned away from the window's
// thread on copies of the table, one reckoning at a time. A result that comes back for a table
// that has moved on is dropped; the window never waits for one.

#include <QElapsedTimer>
#include <QObject>
#include <functional>
#include <optional>
#include <utility>

#include "Consigliere.h"

template <typename T> class QFutureWatcher;

namespace brivetta {

class ConsiglioTavolo : public QObject {
    Q_OBJECT
  public:
    // Runs on another thread, on its own copies.
    using Calcolo = std::function<ValoreMosse(const StatoTavolo&, const VistaTavolo&)>;

    explicit ConsiglioTavolo(QObject* parent = nullptr);
    ~ConsiglioTavolo() override;
    // Tests reckon with a function of their own.
    void ImpostaCalcolo(Calcolo calcolo) { calcolo_ = std::move(calcolo); }

    // The values at the human's move on this table: reckoned unless ready or under way.
    void Chiedi(const StatoTavolo& s, const VistaTavolo& v);
    // The values ready for exactly this table, or nothing.
    const ValoreMosse* Valori(const StatoTavolo& s, const VistaTavolo& v) const;
    // Nothing under way or ready is wanted any more.
    void Dimentica();

  signals:
    // The values for the table last asked are ready.
    void pronti();

  private:
    struct Posizione {
        StatoTavolo s;
        VistaTavolo v;
        // The values depend on the table and on which cards the human sees.
        bool Uguale(const StatoTavolo& altro, const VistaTavolo& vista) const {
            return s == altro && v.Carte == vista.Carte && v.Dorso == vista.Dorso;
        }
    };
    void Avvia();
    void Arrivato();

    Calcolo calcolo_;
    QFutureWatcher<ValoreMosse>* osservatore_;
    // Each table asked is a generation: a result of an older one is of no use.
    quint64 generazione_ = 0;
    quint64 generazioneInCorso_ = 0;
    bool inCorso_ = false;
    std::optional<Posizione> chiesta_;  // the table last asked
    std::optional<ValoreMosse> valori_; // its values, once ready
    QElapsedTimer tempo_;               // since the table last asked, for the log
};

} // namespace brivetta
