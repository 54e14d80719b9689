#include "Passo.h"

namespace brivetta {

MemoriaPassi::~MemoriaPassi() {
    for (Libero*& lista : libere_) {
        while (lista) {
            Libero* blocco = lista;
            lista = blocco->prossimo;
            ::operator delete(blocco);
        }
    }
}

void* MemoriaPassi::Nuovo(std::size_t classe, std::size_t byte) {
    return ::operator new(classe < Classi ? classe * Grana : byte);
}

} // namespace brivetta
