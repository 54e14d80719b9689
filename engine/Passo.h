#pragma once
// A step of the game that may wait for the window: a C++20 coroutine. The manche is written in
// the order it is played, and each place where the rules wait is one `co_await`. A step runs as
// soon as it is called, like a function, up to its first wait; the step that awaits it goes on
// at once when it ended without waiting, or when it ends, taking its result (Passo<bool>,
// Passo<Azione>) as a call's.

#include <array>
#include <concepts>
#include <coroutine>
#include <cstddef>
#include <exception>
#include <new>
#include <type_traits>
#include <utility>

namespace brivetta {

// Frames of the game's steps, kept for reuse by size: a manche starts and ends dozens of them,
// and the headless simulator plays hundreds of thousands of manches a second.
class MemoriaPassi {
  public:
    MemoriaPassi() = default;
    MemoriaPassi(const MemoriaPassi&) = delete;
    MemoriaPassi& operator=(const MemoriaPassi&) = delete;
    ~MemoriaPassi();

    void* Prendi(std::size_t byte) {
        const std::size_t classe = (byte + Grana - 1) / Grana;
        if (classe < Classi) {
            if (Libero* blocco = libere_[classe]) {
                libere_[classe] = blocco->prossimo;
                return blocco;
            }
        }
        return Nuovo(classe, byte);
    }
    void Rendi(void* blocco, std::size_t byte) noexcept {
        const std::size_t classe = (byte + Grana - 1) / Grana;
        if (classe >= Classi) return ::operator delete(blocco);
        auto* libero = static_cast<Libero*>(blocco);
        libero->prossimo = libere_[classe];
        libere_[classe] = libero;
    }

  private:
    static constexpr std::size_t Grana = 64;
    static constexpr std::size_t Classi = 32; // frames up to 2 KiB are kept
    struct Libero {
        Libero* prossimo;
    };
    static void* Nuovo(std::size_t classe, std::size_t byte);
    std::array<Libero*, Classi> libere_{};
};

// An object whose member steps take their frames from its memory.
template <class T>
concept ConMemoriaPassi = requires(T& t) {
    { t.Memoria() } -> std::same_as<MemoriaPassi&>;
};

// The innermost wait, where a step hands control back to whoever ran it: `ripresa` takes the
// handle that goes on from here. Only the owner's one waiting place makes them. An empty Fermata
// waits for nothing, so a wait the rules skip (a sound with the sound off) costs no stop.
struct [[nodiscard]] Fermata {
    std::coroutine_handle<>* ripresa = nullptr;
    bool await_ready() const noexcept { return ripresa == nullptr; }
    void await_suspend(std::coroutine_handle<> h) const noexcept { *ripresa = h; }
    void await_resume() const noexcept {}
};

// One wait and what follows it once it is answered (at once when there was none to make); the
// awaiting step takes what `poi` returns. A step that waits only once is written this way rather
// than as a Passo: it then needs no frame of its own, and a manche makes dozens of them.
template <class Poi> struct [[nodiscard]] FermataPoi {
    Fermata fermata;
    Poi poi;
    bool await_ready() const noexcept { return fermata.await_ready(); }
    void await_suspend(std::coroutine_handle<> h) const noexcept { fermata.await_suspend(h); }
    decltype(auto) await_resume() { return poi(); }
};

template <class T = void> class Passo;

namespace dettaglio {

struct PromessaPasso {
    std::coroutine_handle<> seguito; // the step that awaits this one

    std::suspend_never initial_suspend() noexcept { return {}; }
    struct Ritorno {
        bool await_ready() noexcept { return false; }
        template <class Promessa>
        std::coroutine_handle<> await_suspend(std::coroutine_handle<Promessa> h) noexcept {
            const auto seguito = h.promise().seguito;
            return seguito ? seguito : std::noop_coroutine();
        }
        void await_resume() noexcept {}
    };
    Ritorno final_suspend() noexcept { return {}; }
    void unhandled_exception() noexcept { std::terminate(); }

    // A step of a game object takes its frame from that object's memory.
    template <ConMemoriaPassi Proprietario, class... Argomenti>
    static void* operator new(std::size_t byte, Proprietario& p, Argomenti&&...) {
        return Alloca(byte, &p.Memoria());
    }
    static void* operator new(std::size_t byte) { return Alloca(byte, nullptr); }
    static void operator delete(void* frame, std::size_t byte) noexcept {
        void* blocco = static_cast<char*>(frame) - Intestazione;
        MemoriaPassi* memoria = static_cast<Testa*>(blocco)->memoria;
        if (memoria)
            memoria->Rendi(blocco, byte + Intestazione);
        else
            ::operator delete(blocco);
    }

  private:
    // Each frame starts with the memory it came from, so that it can go back there.
    struct Testa {
        MemoriaPassi* memoria;
        std::max_align_t allineamento; // keeps the frame after it aligned as usual
    };
    static constexpr std::size_t Intestazione = sizeof(Testa);
    static void* Alloca(std::size_t byte, MemoriaPassi* memoria) {
        const std::size_t totale = byte + Intestazione;
        void* blocco = memoria ? memoria->Prendi(totale) : ::operator new(totale);
        static_cast<Testa*>(blocco)->memoria = memoria;
        return static_cast<char*>(blocco) + Intestazione;
    }
};

template <class T> struct Promessa : PromessaPasso {
    T valore{};
    Passo<T> get_return_object() noexcept;
    void return_value(T v) noexcept { valore = std::move(v); }
    T Risultato() noexcept { return std::move(valore); }
};

template <> struct Promessa<void> : PromessaPasso {
    Passo<void> get_return_object() noexcept;
    void return_void() noexcept {}
    void Risultato() noexcept {}
};

} // namespace dettaglio

template <class T> class [[nodiscard]] Passo {
  public:
    using promise_type = dettaglio::Promessa<T>;

    // A step that had nothing to wait for: finished already, without a frame. Most of the
    // steps a computer seat takes are these, and the simulator takes millions of them.
    Passo() noexcept requires std::is_void_v<T>
    = default;
    Passo(Passo&& altro) noexcept : h_(std::exchange(altro.h_, {})) {}
    Passo& operator=(Passo&&) = delete;
    // A step destroyed while it waits takes the steps it awaits along with it. A step's frame
    // stays until then, so that its result can be taken.
    ~Passo() {
        if (h_) h_.destroy();
    }

    bool Finito() const { return !h_ || h_.done(); }

    bool await_ready() const noexcept { return !h_ || h_.done(); }
    void await_suspend(std::coroutine_handle<> chi) noexcept { h_.promise().seguito = chi; }
    T await_resume() noexcept {
        if constexpr (std::is_void_v<T>) {
            if (!h_) return;
        }
        return h_.promise().Risultato();
    }

  private:
    friend promise_type;
    explicit Passo(std::coroutine_handle<promise_type> h) : h_(h) {}
    std::coroutine_handle<promise_type> h_;
};

template <class T> Passo<T> dettaglio::Promessa<T>::get_return_object() noexcept {
    return Passo<T>(std::coroutine_handle<Promessa<T>>::from_promise(*this));
}

inline Passo<void> dettaglio::Promessa<void>::get_return_object() noexcept {
    return Passo<void>(std::coroutine_handle<Promessa<void>>::from_promise(*this));
}

} // namespace brivetta
