#pragma once
// preferenze.ini beside brivetta.ini: the switches the game's own file has no place for. Each
// value is read when asked and written at once, so the file always holds the latest choice.

#include <QRect>
#include <QString>

namespace brivetta {

class Preferenze {
  public:
    // `cartella`: the program's folder; empty means the current one.
    explicit Preferenze(const QString& cartella = {});

    QString Percorso() const { return percorso_; }

    // The window's normal (not maximised) size and place; invalid when none was kept.
    QRect Geometria() const;
    void ImpostaGeometria(const QRect& geometria);

    // The odds of the next card shown in the button bar.
    bool Probabilita() const;
    void ImpostaProbabilita(bool mostra);

    // The advisor's figures shown in the button bar.
    bool Consiglio() const;
    void ImpostaConsiglio(bool mostra);

  private:
    QString percorso_;
};

} // namespace brivetta
