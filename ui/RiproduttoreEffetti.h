#pragma once
// The audio side that plays through the system's sound server, one long-lived effect per file.

#include <QDateTime>
#include <map>
#include <memory>

#include "Riproduttore.h"

namespace brivetta {

class RiproduttoreEffetti : public Riproduttore {
    Q_OBJECT
  public:
    explicit RiproduttoreEffetti(QObject* parent = nullptr);
    ~RiproduttoreEffetti() override;

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
