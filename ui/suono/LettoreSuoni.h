#pragma once
// The sound player of the table: starts a sound and tells when it has ended, never blocking.

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <chrono>
#include <deque>
#include <map>
#include <memory>

#include "Effetto.h"

namespace brivetta {

class UscitaAudio;

// How the game's moments sound: the one table of their wave files.
QString FileEffetto(Effetto effetto);

class LettoreSuoni : public QObject {
    Q_OBJECT
  public:
    explicit LettoreSuoni(QObject* parent = nullptr);
    // `audio` plays the sounds; `margine` is added to a sound's length before its end is told
    // regardless of the audio side.
    LettoreSuoni(std::unique_ptr<UscitaAudio> audio, std::chrono::milliseconds margine,
                 QObject* parent = nullptr);
    ~LettoreSuoni() override;

    // Plays a wave file of the current folder (looked up ignoring letter case at every call, so
    // a file deleted meanwhile is silent at once). Emits finito() once when the sound has ended:
    // always later, from the event loop, also when the file is missing or invalid or there is no
    // audio output (then at once). Virtual so that a window under test can hear nothing and go
    // on at once; an override keeps the same promise, e.g. through FinisciDopo().
    virtual void Suona(const QString& file);

  signals:
    void finito();

  protected:
    void FinisciDopo(); // finito() from the event loop, never inside the caller
    void timerEvent(QTimerEvent* evento) override;

  private:
    enum class Uscita { Ignota, Presente, Assente };

    quint64 Invia(const QString& percorso, int durataMs, std::chrono::milliseconds attesa);
    void Risposta(quint64 voce, bool uscita);
    void Concludi(quint64 voce);
    bool Bloccato() const;

    UscitaAudio* audio_; // a child
    std::chrono::milliseconds margine_;
    Uscita uscita_ = Uscita::Ignota;
    quint64 ultima_ = 0;
    std::deque<std::pair<quint64, QElapsedTimer>> senzaRisposta_; // oldest first
    std::map<quint64, int> guardie_; // sound -> the timer that ends it whatever the audio does
};

} // namespace brivetta
