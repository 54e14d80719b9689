#include "Fibra.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <new>

#if defined(BRIVETTA_FIBRA_ASAN)
extern "C" void __sanitizer_start_switch_fiber(void** falsa, const void* fondo, std::size_t dim);
extern "C" void __sanitizer_finish_switch_fiber(void* falsa, const void** fondo, std::size_t* dim);
#endif
#if defined(BRIVETTA_FIBRA_TSAN)
extern "C" void* __tsan_get_current_fiber();
extern "C" void* __tsan_create_fiber(unsigned flags);
extern "C" void __tsan_destroy_fiber(void* fibra);
extern "C" void __tsan_switch_to_fiber(void* fibra, unsigned flags);
#endif

#if !defined(BRIVETTA_FIBRA_X86_64)
#include <ucontext.h>
#endif

namespace brivetta {

void PartenzaFibra(Fibra* fibra) noexcept;

} // namespace brivetta

#if defined(BRIVETTA_FIBRA_X86_64)
// The switch: the registers a call must preserve are pushed on the stack being left, its stack
// pointer stored, and the same popped from the other. Both sides run on one thread in one
// floating-point environment, which neither changes: its control words are not switched (reading
// them costs more than the rest of the switch).
// It goes on by a jump rather than a return, which the processor would mispredict every time
// (the return address is the other stack's). A fresh stack is laid out so that its first switch
// lands in brivetta_avvio_pila with the fiber in rbx.
extern "C" void brivetta_avvio_pila();
extern "C" void brivetta_partenza_fibra(brivetta::Fibra* fibra) noexcept {
    brivetta::PartenzaFibra(fibra);
}
asm(R"(
    .text
    .p2align 4
    .globl brivetta_scambia_pila
    .hidden brivetta_scambia_pila
    .type brivetta_scambia_pila, @function
brivetta_scambia_pila:
    pushq %rbp
    pushq %rbx
    pushq %r12
    pushq %r13
    pushq %r14
    pushq %r15
    movq %rsp, (%rdi)
    movq %rsi, %rsp
    popq %r15
    popq %r14
    popq %r13
    popq %r12
    popq %rbx
    popq %rbp
    popq %rcx
    jmp *%rcx
    .size brivetta_scambia_pila, .-brivetta_scambia_pila

    .p2align 4
    .globl brivetta_avvio_pila
    .hidden brivetta_avvio_pila
    .type brivetta_avvio_pila, @function
brivetta_avvio_pila:
    .cfi_startproc
    .cfi_undefined rip
    movq %rbx, %rdi
    call brivetta_partenza_fibra
    ud2
    .cfi_endproc
    .size brivetta_avvio_pila, .-brivetta_avvio_pila
)");
#endif

namespace brivetta {

namespace {

// Room for the game's steps and for whatever its listeners do at a step (the statistics, the
// kept game written to disk). Only the pages touched take memory.
constexpr std::size_t DimensionePila = std::size_t{1} << 20;

std::size_t Pagina() {
    const long p = sysconf(_SC_PAGESIZE);
    return p > 0 ? static_cast<std::size_t>(p) : 4096;
}

#if !defined(BRIVETTA_FIBRA_X86_64)
struct Contesti {
    ucontext_t fibra;
    ucontext_t chiamante;
};

// makecontext passes int arguments only: the fiber's address in two halves.
void PartenzaUcontext(unsigned alto, unsigned basso) {
    const auto indirizzo = (static_cast<std::uintptr_t>(alto) << 32) | basso;
    PartenzaFibra(reinterpret_cast<Fibra*>(indirizzo));
}
#endif

} // namespace

Fibra::Fibra(std::function<void()> corpo) : corpo_(std::move(corpo)) {
    const std::size_t guardia = Pagina();
    dimensione_ = DimensionePila;
    void* m = mmap(nullptr, dimensione_ + guardia, PROT_READ | PROT_WRITE,
                   MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK, -1, 0);
    if (m == MAP_FAILED) throw std::bad_alloc();
    memoria_ = static_cast<std::byte*>(m);
    // An overflow stops at the page below the stack instead of writing over other memory.
    mprotect(memoria_, guardia, PROT_NONE);
    std::byte* fondo = memoria_ + guardia;
#if defined(BRIVETTA_FIBRA_X86_64)
    // The first switch pops this frame: six registers (rbx the fiber), then the address it
    // goes on at, brivetta_avvio_pila, which finds the stack 16-byte aligned for its call.
    auto* cima = reinterpret_cast<std::uint64_t*>(fondo + dimensione_) - 2;
    std::uint64_t* p = cima - 7;
    p[0] = p[1] = p[2] = p[3] = 0;                // r15, r14, r13, r12
    p[4] = reinterpret_cast<std::uint64_t>(this); // rbx
    p[5] = 0;                                     // rbp
    p[6] = reinterpret_cast<std::uint64_t>(&brivetta_avvio_pila);
    pilaFibra_ = p;
#else
    auto* c = new Contesti{};
    contesti_ = c;
    getcontext(&c->fibra);
    c->fibra.uc_stack.ss_sp = fondo;
    c->fibra.uc_stack.ss_size = dimensione_;
    c->fibra.uc_link = nullptr;
    const auto indirizzo = reinterpret_cast<std::uintptr_t>(this);
    makecontext(&c->fibra, reinterpret_cast<void (*)()>(&PartenzaUcontext), 2,
                static_cast<unsigned>(indirizzo >> 32), static_cast<unsigned>(indirizzo));
#endif
#if defined(BRIVETTA_FIBRA_TSAN)
    tsanFibra_ = __tsan_create_fiber(0);
#endif
}

Fibra::~Fibra() {
    if (iniziata_ && !finita_) {
        // Started and waiting: unwound from its wait.
        annulla_ = true;
        Entra();
    }
#if defined(BRIVETTA_FIBRA_TSAN)
    __tsan_destroy_fiber(tsanFibra_);
#endif
#if !defined(BRIVETTA_FIBRA_X86_64)
    delete static_cast<Contesti*>(contesti_);
#endif
    munmap(memoria_, dimensione_ + Pagina());
}

// Into the fiber's stack, with the sanitizers told, or by the portable switch.
void Fibra::VersoDentro() {
#if defined(BRIVETTA_FIBRA_ASAN)
    __sanitizer_start_switch_fiber(&falsaChiamante_, memoria_ + Pagina(), dimensione_);
#endif
#if defined(BRIVETTA_FIBRA_TSAN)
    tsanChiamante_ = __tsan_get_current_fiber();
    __tsan_switch_to_fiber(tsanFibra_, 0);
#endif
#if defined(BRIVETTA_FIBRA_X86_64)
    brivetta_scambia_pila(&pilaChiamante_, pilaFibra_);
#else
    auto* c = static_cast<Contesti*>(contesti_);
    swapcontext(&c->chiamante, &c->fibra);
#endif
#if defined(BRIVETTA_FIBRA_ASAN)
    __sanitizer_finish_switch_fiber(falsaChiamante_, nullptr, nullptr);
#endif
}

void Fibra::Annulla() {
    throw Annullata{};
}

// Leaves the fiber's stack for the caller's; `ultima` when the body has ended and the stack is
// never entered again.
void Fibra::VersoFuori(bool ultima) {
#if defined(BRIVETTA_FIBRA_ASAN)
    __sanitizer_start_switch_fiber(ultima ? nullptr : &falsaFibra_, fondoChiamante_,
                                   dimensioneChiamante_);
#endif
#if defined(BRIVETTA_FIBRA_TSAN)
    __tsan_switch_to_fiber(tsanChiamante_, 0);
#endif
#if defined(BRIVETTA_FIBRA_X86_64)
    brivetta_scambia_pila(&pilaFibra_, pilaChiamante_);
#else
    auto* c = static_cast<Contesti*>(contesti_);
    swapcontext(&c->fibra, &c->chiamante);
#endif
    (void)ultima;
    Arrivata();
}

// Back on the fiber's stack.
void Fibra::Arrivata() {
#if defined(BRIVETTA_FIBRA_ASAN)
    __sanitizer_finish_switch_fiber(falsaFibra_, &fondoChiamante_, &dimensioneChiamante_);
#endif
}

void Fibra::Parti() noexcept {
    Arrivata();
    if (!annulla_) {
        try {
            corpo_();
        } catch (const Annullata&) {
        }
    }
    finita_ = true;
    VersoFuori(true);
    std::abort(); // an ended fiber is never entered again
}

void PartenzaFibra(Fibra* fibra) noexcept {
    fibra->Parti();
}

} // namespace brivetta
