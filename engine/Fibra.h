#pragma once
// A body of code on a stack of its own, which the caller runs until the body waits and runs
// again from where it waited. The game's sequence lives on one: the manche is written as plain
// calls in the order it is played, and only a real wait (a message, the summary, the human's
// move) switches back to the window. Nothing else is paid for the steps that never wait.

#include <cstddef>
#include <functional>

// The switch between stacks is a few instructions of assembly on x86-64 Linux, called straight
// from the inline Entra() and Esci(); the portable one (ucontext) can be chosen there too, to test
// it. Under a sanitizer every switch is announced to it first, in the source file.
#if defined(__x86_64__) && defined(__linux__) && !defined(BRIVETTA_FIBRA_PORTABILE)
#define BRIVETTA_FIBRA_X86_64 1
#endif
#if defined(__SANITIZE_ADDRESS__)
#define BRIVETTA_FIBRA_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BRIVETTA_FIBRA_ASAN 1
#endif
#endif
#if defined(__SANITIZE_THREAD__)
#define BRIVETTA_FIBRA_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define BRIVETTA_FIBRA_TSAN 1
#endif
#endif
#if defined(BRIVETTA_FIBRA_X86_64)
// Saves the caller's registers and stack pointer in *salva, and goes on from `riprendi`.
extern "C" void brivetta_scambia_pila(void** salva, void* riprendi);
#if !defined(BRIVETTA_FIBRA_ASAN) && !defined(BRIVETTA_FIBRA_TSAN)
#define BRIVETTA_FIBRA_DIRETTA 1
#endif
#endif

namespace brivetta {

class Fibra {
  public:
    // The body does not start until the first Entra().
    explicit Fibra(std::function<void()> corpo);
    Fibra(const Fibra&) = delete;
    Fibra& operator=(const Fibra&) = delete;
    // A body that is waiting is unwound first: the objects on its stack are destroyed as if
    // the wait had thrown.
    ~Fibra();

    // From outside: runs the body until it waits or ends. Nothing happens once it has ended.
    void Entra() {
        if (finita_) return;
        iniziata_ = true;
#if defined(BRIVETTA_FIBRA_DIRETTA)
        brivetta_scambia_pila(&pilaChiamante_, pilaFibra_);
#else
        VersoDentro();
#endif
    }
    // From the body: back to whoever ran it; returns when it is run again.
    void Esci() {
#if defined(BRIVETTA_FIBRA_DIRETTA)
        brivetta_scambia_pila(&pilaFibra_, pilaChiamante_);
#else
        VersoFuori(false);
#endif
        if (annulla_) Annulla();
    }

    bool Finita() const {
        return finita_;
    }

  private:
    struct Annullata {}; // thrown at the wait of a body that is being torn down
    friend void PartenzaFibra(Fibra* fibra) noexcept;
    void Parti() noexcept;
    [[noreturn]] void Annulla();
    void VersoDentro();
    void VersoFuori(bool ultima);
    void Arrivata();

    std::function<void()> corpo_;
    std::byte* memoria_ = nullptr; // the stack, with an inaccessible page below it
    std::size_t dimensione_ = 0;
    void* pilaFibra_ = nullptr;     // where the body stopped
    void* pilaChiamante_ = nullptr; // where the caller stopped
    bool iniziata_ = false;
    bool finita_ = false;
    bool annulla_ = false;
    // What the sanitizers need to know of the switches.
    void* falsaChiamante_ = nullptr;
    void* falsaFibra_ = nullptr;
    const void* fondoChiamante_ = nullptr;
    std::size_t dimensioneChiamante_ = 0;
    void* tsanFibra_ = nullptr;
    void* tsanChiamante_ = nullptr;
    void* contesti_ = nullptr; // the portable switch's two contexts, off x86-64
};

} // namespace brivetta
