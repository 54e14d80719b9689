#pragma once
// The audio side of the sound player: it lives on a thread of its own, takes requests posted
// by the player and answers with queued signals, so the window's thread never waits on it.

#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <map>
#include <memory>

namespace brivetta {

class UscitaAudio : public QObject {
    Q_OBJECT
  public:
    static constexpr int DurataMassimaMs = 3000; // our effects are short; longer ones are cut here

    using QObject::QObject;

    // Plays `percorso` (an empty one only asks about the audio output), unless the player has
    // already given the sound up at `scadenza`. Always answers with risposta(); a sound it
    // takes on ends with finito(voce).
    void Richiesta(quint64 voce, const QString& percorso, int durataMs, QDeadlineTimer scadenza);

  signals:
    // The request `voce` and all those before it are taken; whether an audio output exists.
    void risposta(quint64 voce, bool uscita);
    void finito(quint64 voce);

  protected:
    virtual bool UscitaPresente() = 0;
    // Starts the sound; its end, or its failure, is reported by finito(voce).
    virtual void Riproduci(quint64 voce, const QString& percorso, int durataMs,
                           QDeadlineTimer scadenza) = 0;
};

// Plays through the system's sound server, one long-lived effect per file.
class UscitaEffetti : public UscitaAudio {
    Q_OBJECT
  public:
    explicit UscitaEffetti(QObject* parent = nullptr);
    ~UscitaEffetti() override;

  protected:
    bool UscitaPresente() override;
    void Riproduci(quint64 voce, const QString& percorso, int durataMs,
                   QDeadlineTimer scadenza) override;

  private:
    struct Effetto;
    Effetto& Prepara(const QString& percorso);
    void Avvia(Effetto& e);
    void Termina(Effetto& e);

    std::map<QString, std::unique_ptr<Effetto>> effetti_;
};

} // namespace brivetta
