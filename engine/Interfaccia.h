#pragma once
// Everything the engine cannot do by itself: the table window implements it, tests fake it.

#include <string>

namespace brivetta {

struct Riepilogo;

enum class SceltaFine { AltraPartita, FineGioco };

class Interfaccia {
public:
    virtual ~Interfaccia() = default;

    // Modal message box, OK only, the application's title; returns when closed.
    virtual void Messaggio(const std::string& testo) = 0;
    // Plays a wave file of the program's folder to its end (sound on is checked by the engine).
    virtual void Suona(const std::string& file) = 0;
    // Processes pending window events once, so the table repaints.
    virtual void Cedi() = 0;
    // One pass of a moving card: repaint and give the pass its share of time.
    virtual void PassoAnimazione() = 0;
    virtual void Beep() = 0;
    // The hand summary, modal; the engine has settled the manche before showing it.
    virtual void MostraRiepilogo(const Riepilogo& riepilogo) = 0;
    // The end-of-game window, modal, showing StatoTavolo::MessaggioFine.
    virtual SceltaFine MostraFinePartita() = 0;
    // The table window filling the screen, and its inner height in pixels.
    virtual void RiempiSchermo() = 0;
    virtual int AltezzaInterna() = 0;
    // Width in pixels of a label's text in the table's label font (for centring).
    virtual int LarghezzaTesto(const std::string& testo) = 0;
};

} // namespace brivetta
