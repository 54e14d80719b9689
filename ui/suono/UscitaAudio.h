#pragma once
// The audio side of the sound player. The real one is a small process of our own that plays
// through the system's sound server: a server that stalls can hold the audio system inside a
// call for good, and only a process can be abandoned then, killed and started again.

#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <chrono>
#include <deque>
#include <map>

class QProcess;
class QTimer;

namespace brivetta {

// The sound program, installed beside the game.
inline constexpr const char* ProgrammaSuono = "brivetta-suono";

class UscitaAudio : public QObject {
    Q_OBJECT
  public:
    static constexpr int DurataMassimaMs = 3000; // our effects are short; longer ones are cut here

    using QObject::QObject;

    // Plays `percorso` (an empty one only asks about the audio output), unless the player has
    // already given the sound up at `scadenza`. Never waits: answers with risposta(), and a sound
    // it takes on ends with finito(voce). The signals may come inside the call; the player takes
    // them queued.
    virtual void Richiesta(quint64 voce, const QString& percorso, int durataMs,
                           QDeadlineTimer scadenza) = 0;

  signals:
    // The request `voce` and all those before it are taken; whether an audio output exists.
    void risposta(quint64 voce, bool uscita);
    void finito(quint64 voce);
};

// How long the sound process is given.
struct TempiProcesso {
    std::chrono::milliseconds risposta{3000};    // a request unanswered this long: stuck
    std::chrono::milliseconds coda{2000};        // a sound unended this long past its end: stuck
    std::chrono::milliseconds pausa{1000};       // between two starts of the process
    std::chrono::milliseconds senzaUscita{2000}; // before one that sees no output is replaced
    std::chrono::milliseconds chiusura{300};     // at exit, for the killed process to be reaped
};

// The sound process, spoken to in lines of text over its standard input and output:
//   to it:   "<voce> <durataMs> <attesaMs> <percorso, percent-encoded>"
//   from it: "r <voce> <0|1>" (risposta), "f <voce>" (finito)
// A process that leaves a request unanswered, a sound unended, that ends, or that sees no output
// (the audio system does not notice a server that comes later) is replaced at a later request.
class UscitaProcesso : public UscitaAudio {
    Q_OBJECT
  public:
    using Tempi = TempiProcesso;

    // The sound process beside the running executable.
    static QString Programma();

    explicit UscitaProcesso(QString programma = Programma(), QStringList argomenti = {},
                            Tempi tempi = {}, QObject* parent = nullptr);
    ~UscitaProcesso() override;

    void Richiesta(quint64 voce, const QString& percorso, int durataMs,
                   QDeadlineTimer scadenza) override;

  private:
    bool Avvia();
    void Abbandona(const char* perche);
    void Leggi();
    void Sorveglia();

    QString programma_;
    QStringList argomenti_;
    Tempi tempi_;
    QProcess* processo_ = nullptr;
    QDeadlineTimer prossimoAvvio_{0};
    QDeadlineTimer rinnovo_{QDeadlineTimer::Forever}; // when one that sees no output is replaced
    bool avvisato_ = false;                           // a process that cannot start is told once
    std::deque<std::pair<quint64, QDeadlineTimer>> senzaRisposta_; // oldest first
    std::map<quint64, QDeadlineTimer> inCorso_; // sounds, and when the process must have ended them
    QTimer* guardia_;
};

} // namespace brivetta
