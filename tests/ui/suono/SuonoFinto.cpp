// A stand-in for the sound process that plays nothing. Started with a folder: it reads how to
// behave from the file "modo" there when it starts, and writes down in "registro" its start and
// each file it is asked to play, after its way ("suona: Risata.wav").
//   suona     answers and ends every sound at once
//   senza     answers that there is no audio output
//   muto      reads the requests and never answers (a server that stalls)
//   infinito  answers, but never ends a sound
//   muore     ends at the first request
//   fermo     reads nothing and cannot be asked to leave
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
std::string Decodifica(const std::string& s) {
    std::string d;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size()) {
            d += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            d += s[i];
        }
    }
    return d;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    prctl(PR_SET_PDEATHSIG, SIGKILL); // not left behind by a test that failed
    const std::string cartella = argv[1];
    std::string modo;
    std::ifstream(cartella + "/modo") >> modo;
    std::ofstream registro(cartella + "/registro", std::ios::app);
    registro << modo << ": avvio " << getpid() << std::endl;
    if (modo == "fermo") {
        std::signal(SIGTERM, SIG_IGN);
        for (;;)
            pause();
    }
    std::string riga;
    while (std::getline(std::cin, riga)) {
        std::istringstream parti(riga);
        std::string voce, durata, attesa, percorso;
        parti >> voce >> durata >> attesa >> percorso;
        percorso = Decodifica(percorso);
        if (!percorso.empty())
            registro << modo << ": " << percorso.substr(percorso.rfind('/') + 1) << std::endl;
        if (modo == "muore") return 3;
        if (modo == "muto") continue;
        const bool uscita = modo != "senza";
        if (!percorso.empty() && modo != "infinito") std::cout << "f " << voce << '\n';
        std::cout << "r " << voce << (uscita ? " 1" : " 0") << std::endl;
    }
}
