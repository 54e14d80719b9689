#pragma once
// A step of the game that may wait for the window: a C++20 coroutine. The manche is written in
// the order it is played, and each place where the rules wait is one `co_await`. A step that
// awaits another runs it to its end and then goes on, as a call would.

#include <array>
#include <coroutine>
#include <cstddef>
#include <exception>
#include <new>
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

class Passo {
  public:
    struct promise_type {
        std::coroutine_handle<> seguito; // the step that awaits this one

        Passo get_return_object() noexcept {
            return Passo(std::coroutine_handle<promise_type>::from_promise(*this));
        }
        std::suspend_always initial_suspend() noexcept { return {}; }
        struct Ritorno {
            bool await_ready() noexcept { return false; }
            std::coroutine_handle<> await_suspend(std::coroutine_handle<promise_type> h) noexcept {
                const auto seguito = h.promise().seguito;
                return seguito ? seguito : std::noop_coroutine();
            }
            void await_resume() noexcept {}
        };
        Ritorno final_suspend() noexcept { return {}; }
        void return_void() noexcept {}
        void unhandled_exception() noexcept { std::terminate(); }

        // A step of a game object takes its frame from that object's memory.
        template <class Proprietario, class... Argomenti>
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

    Passo(Passo&& altro) noexcept : h_(std::exchange(altro.h_, {})) {}
    Passo& operator=(Passo&&) = delete;
    ~Passo() {
        if (h_) h_.destroy();
    }

    // Runs a step awaited by nobody up to its first wait.
    void Avvia() { h_.resume(); }

    bool await_ready() const noexcept { return false; }
    std::coroutine_handle<> await_suspend(std::coroutine_handle<> chi) noexcept {
        h_.promise().seguito = chi;
        return h_;
    }
    void await_resume() const noexcept {}

  private:
    explicit Passo(std::coroutine_handle<promise_type> h) : h_(h) {}
    std::coroutine_handle<promise_type> h_;
};

} // namespace brivetta
