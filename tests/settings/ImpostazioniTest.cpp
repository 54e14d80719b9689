#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include "CartellaTemporanea.h"
#include "CercaFile.h"
#include "FileImpostazioni.h"

namespace brivetta {
namespace {

namespace fs = std::filesystem;
using test::CartellaTemporanea;

// The settings as a comparable value; the defaults are those of a first run.
struct Valori {
    std::string nome = "Anonimo";
    Intero bluff = 5, velocita = 5, vincita = 0, personaggio = 0, malloppo = 50, suono = 1;
    std::string carte = "Piacentine";
    bool operator==(const Valori&) const = default;
};

void PrintTo(const Valori& v, std::ostream* os) {
    *os << "{" << v.nome << "," << v.bluff << "," << v.velocita << "," << v.vincita << ","
        << v.personaggio << "," << v.malloppo << "," << v.suono << "," << v.carte << "}";
}

// The switches as the file's numbers: double win 0 or 1, sound 0 or its number for "on".
Valori Di(const Impostazioni& i) {
    return {i.Nome,
            i.Bluff,
            i.VelocitaCarta,
            Intero(i.VincitaDoppia ? 1 : 0),
            i.Personaggio,
            i.MalloppoIniziale,
            Intero(i.Suono ? i.SuonoNelFile : 0),
            i.Carte};
}

// Settings as a first run has them.
const Impostazioni Tipiche{"Anonimo", 5, 5, false, 0, 50, true, "Piacentine", "", 1};

// The values read from `byte`, and the sound entry's tick.
std::pair<Valori, std::optional<bool>> Leggi(const std::string& byte) {
    CartellaTemporanea dir;
    dir.Scrivi(FileImpostazioni, byte);
    Impostazioni s;
    const auto spunta = CaricaImpostazioni(s, dir());
    return {Di(s), spunta};
}

TEST(CaricaImpostazioni, RegoleDiLettura) {
    struct Caso {
        const char* nome;
        std::string file;
        Valori atteso;
        std::optional<bool> spunta = true;
    };
    const std::string dieciMega(10 << 20, 'A');
    const std::vector<Caso> casi = {
        {"LimitiBassi",
         "MalloppoIniziale=40\nPersonaggio=0\nVincitaDoppia=0\nBluff=1\nVelocitaCarta=1",
         {.bluff = 1, .velocita = 1, .malloppo = 40}},
        {"LimitiAlti",
         "MalloppoIniziale=100\nPersonaggio=7\nVincitaDoppia=1\nBluff= 10 \nVelocitaCarta=100",
         {.bluff = 10, .velocita = 100, .vincita = 1, .personaggio = 7, .malloppo = 100}},
        {"AppenaSotto",
         "MalloppoIniziale=39\nPersonaggio=-1\nVincitaDoppia=-1\nBluff=0\nVelocitaCarta=0",
         {}},
        {"AppenaSopra",
         "MalloppoIniziale=101\nPersonaggio=8\nVincitaDoppia=2\nBluff=11\nVelocitaCarta=101",
         {}},
        {"NomeLungo", "Giocatore1=Massimiliano", {.nome = "Massimil"}},
        {"NomeUtf8TagliatoACaratteri", "Giocatore1=Niccolòxyz", {.nome = "Niccolòx"}},
        {"NomeLatin1", "Giocatore1=Nicol\xF2", {.nome = "Nicolò"}},
        {"ChiaveConAltreMaiuscole", "bluff=3\r\nBLUFF=4", {}},
        {"ValoreDopoIlPrimoUguale", "x=4 Bluff=3", {.bluff = 4}},
        {"MezzoAlPari", "VelocitaCarta=7.5\r\nBluff=6.5", {.bluff = 6, .velocita = 8}},
        {"Suono32767", "Suono=32767", {.suono = 32767}, std::nullopt},
        {"CarteTroppoLunga", "Carte=" + std::string(256, 'x'), {}},
        {"FiniRigaMiste",
         "Bluff=3\rPersonaggio=2\nVincitaDoppia=1\r\n\n\rSuono=0",
         {.bluff = 3, .vincita = 1, .personaggio = 2, .suono = 0},
         false},
        {"NomeDiDieciMega", "Giocatore1=" + dieciMega + "\r\nBluff=3", {"AAAAAAAA", 3}},
        // A key counts anywhere in a line of any length; the value still follows the line's
        // first "=", and is read from its first bytes.
        {"ChiaveDopoCentomila",
         std::string(100000, 'x') + " MalloppoIniziale= 70 \r\nBluff=4",
         {.bluff = 4, .malloppo = 70}},
    };
    for (const auto& c : casi)
        EXPECT_EQ(Leggi(c.file), std::make_pair(c.atteso, c.spunta)) << c.nome;
}

TEST(CaricaImpostazioni, FileMancanteONonOrdinario) {
    for (const std::string tipo : {"mancante", "cartella", "fifo", "dispositivo", "MAIUSCOLE"}) {
        SCOPED_TRACE(tipo);
        CartellaTemporanea dir;
        const fs::path ini = dir / FileImpostazioni;
        if (tipo == "cartella") dir.Cartella(FileImpostazioni);
        if (tipo == "fifo") ::mkfifo(ini.c_str(), 0644);
        if (tipo == "dispositivo") fs::create_symlink("/dev/zero", ini);
        if (tipo == "MAIUSCOLE") dir.Scrivi("BRIVETTA.INI", "Bluff=3"); // the name's case is free
        Impostazioni s;
        EXPECT_EQ(CaricaImpostazioni(s, dir()), true);
        EXPECT_EQ(Di(s), tipo == "MAIUSCOLE" ? Valori{.bluff = 3} : Valori{});
        EXPECT_EQ(fs::is_empty(dir()), tipo == "mancante"); // reading creates nothing
    }
}

TEST(SalvaImpostazioni, ScriveDieciRigheCrLfInBrivettaIniSolo) {
    CartellaTemporanea dir;
    // Lines without a key and a doubled key do not survive: the file is rewritten whole, as
    // brivetta.ini alone whatever spelling held it; a folder of that name is not the save's to
    // remove.
    dir.Scrivi("Brivetta.INI", "Bluff=2\r\nBluff=3\r\nAltro=1\r\n");
    dir.Scrivi("BRIVETTA.ini/dentro", "x");
    ASSERT_TRUE(
        SalvaImpostazioni({" Ugo ", 5, 100, false, 7, 40, true, "Napoletane", "", -32768}, dir())
            .Riuscito);
    EXPECT_EQ(dir.Leggi(FileImpostazioni), "; File di inizializzazione per Brivetta\r\n"
                                           "; Non manomettere assolutamente queste righe!\r\n"
                                           "Giocatore1= Ugo \r\n"
                                           "Bluff= 5 \r\n"
                                           "VelocitaCarta= 100 \r\n"
                                           "VincitaDoppia= 0 \r\n"
                                           "Personaggio= 7 \r\n"
                                           "MalloppoIniziale= 40 \r\n"
                                           "Suono=-32768 \r\n"
                                           "Carte=Napoletane\r\n");
    EXPECT_FALSE(fs::exists(dir / FileImpostazioniNuovo));
    std::vector<std::string> varianti;
    for (const auto& voce : fs::directory_iterator(dir()))
        if (UgualeSenzaMaiuscole(voce.path().filename().native(), FileImpostazioni))
            varianti.push_back(voce.path().filename());
    std::sort(varianti.begin(), varianti.end());
    EXPECT_EQ(varianti, (std::vector<std::string>{"BRIVETTA.ini", "brivetta.ini"}));
}

// An older editor's Latin-1 name goes back to the file byte for byte while it is the name in
// use, cut like the name, through the table's settings; a changed name is written in UTF-8.
// Any sound number but 0 plays sounds and goes back as it came while the sound stays on; the
// menu's switch writes 0, and 1 from then on.
TEST(SalvaImpostazioni, NomeESuonoTornanoComErano) {
    struct Caso {
        std::string nelFile;
        std::optional<std::string> nome; // the name the player gives, if any
        std::vector<bool> scatti;        // the menu's sound switch, turned on or off
        std::string scritto;
    };
    for (const Caso& c : std::vector<Caso>{
             {"Giocatore1=Andr\xE8", std::nullopt, {}, "Giocatore1=Andr\xE8"},
             {"Giocatore1=Andr\xE8", "André", {}, "Giocatore1=André"},
             {"Giocatore1=Nicolò\xE8xyz", std::nullopt, {}, "Giocatore1=Nicolò\xE8x"},
             {"Suono=3", std::nullopt, {}, "Suono= 3 "},
             {"Suono=3", std::nullopt, {false}, "Suono= 0 "},
             {"Suono=3", std::nullopt, {false, true}, "Suono= 1 "},
             {"Suono=0", std::nullopt, {true}, "Suono= 1 "},
         }) {
        SCOPED_TRACE(c.scritto);
        CartellaTemporanea dir;
        dir.Scrivi(FileImpostazioni, c.nelFile);
        Impostazioni letto;
        CaricaImpostazioni(letto, dir());
        StatoTavolo s;
        ApplicaImpostazioni(s, letto);
        if (c.nome) s.Nomi[1] = *c.nome;
        for (const bool acceso : c.scatti) {
            Impostazioni i = ImpostazioniDelTavolo(s);
            i.Suono = acceso;
            ApplicaImpostazioni(s, i);
        }
        ASSERT_TRUE(SalvaImpostazioni(ImpostazioniDelTavolo(s), dir()).Riuscito);
        EXPECT_NE(dir.Leggi(FileImpostazioni).find("\r\n" + c.scritto + "\r\n"), std::string::npos);
    }
}

TEST(SalvaImpostazioni, UnFallimentoLasciaIlVecchioFile) {
    const Impostazioni s = Tipiche;
    // The reason completes "Impossibile salvare le impostazioni in <folder>: ".
    const std::vector<std::pair<std::string, std::string>> casi = {
        {"IniCartella", "brivetta.ini is a folder"},
        {"BakCartellaPiena", "brivetta.bak is a folder"},
        {"BakLink", ""},
    };
    for (const auto& [guasto, motivo] : casi) {
        SCOPED_TRACE(guasto);
        CartellaTemporanea dir;
        const std::string vecchio = guasto == "IniCartella" ? "" : "VECCHIO";
        dir.Scrivi(vecchio.empty() ? "brivetta.ini/dentro" : FileImpostazioni, vecchio);
        if (guasto == "BakCartellaPiena") dir.Scrivi("brivetta.bak/dentro", "x");
        if (guasto == "BakLink") {
            dir.Scrivi("altro.txt", "intatto");
            fs::create_symlink(dir / "altro.txt", dir / FileImpostazioniNuovo);
        }
        // The folder comes back absolute even when named relative to the current one.
        const auto esito = SalvaImpostazioni(s, fs::relative(dir(), fs::current_path()) / ".");
        EXPECT_EQ(esito.Errore, motivo);
        EXPECT_EQ(esito.Riuscito, motivo.empty());
        EXPECT_EQ(esito.Cartella, dir());
        EXPECT_EQ(dir.Leggi(FileImpostazioni), motivo.empty() ? TestoImpostazioni(s) : vecchio);
        // No half-written file stays behind, and a link is never written through.
        EXPECT_EQ(fs::exists(fs::symlink_status(dir / FileImpostazioniNuovo)),
                  guasto == "BakCartellaPiena");
        EXPECT_EQ(dir.Leggi("altro.txt"), guasto == "BakLink" ? "intatto" : "");
    }
    const auto esito = SalvaImpostazioni(s, "/nonesiste/./x/../brivetta");
    EXPECT_EQ(esito.Errore, "No such file or directory");
    EXPECT_EQ(esito.Cartella, "/nonesiste/brivetta");
}

TEST(SalvaImpostazioni, CollegamentoEPermessiRestano) {
    // A link the player made stays a link, its file is rewritten in place with its permissions.
    const Impostazioni s = Tipiche;
    const fs::perms permessi = fs::perms::owner_read | fs::perms::owner_write;
    CartellaTemporanea dir;
    dir.Scrivi("altrove/vero.ini", "VECCHIO");
    fs::permissions(dir / "altrove/vero.ini", permessi);
    fs::create_symlink("altrove/vero.ini", dir / FileImpostazioni);
    const auto esito = SalvaImpostazioni(s, dir());
    ASSERT_TRUE(esito.Riuscito) << esito.Errore;
    EXPECT_EQ(esito.Cartella, dir / "altrove"); // where the message looks
    EXPECT_EQ(dir.Leggi("altrove/vero.ini"), TestoImpostazioni(s));
    EXPECT_TRUE(fs::is_symlink(dir / FileImpostazioni));
    EXPECT_EQ(fs::status(dir / "altrove/vero.ini").permissions(), permessi);
    EXPECT_FALSE(fs::exists(dir / "altrove" / FileImpostazioniNuovo));
}

// Runs `prova` in a child process that a stuck call cannot keep for ever, and returns its exit
// code (99 when it was killed). `senzaPrivilegi` drops root's: root reads any file whatever its
// permission bits.
template <class F> int InUnFiglio(F prova, bool senzaPrivilegi = false) {
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        ::alarm(10);
        if (senzaPrivilegi && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(90);
        ::_exit(prova());
    }
    int stato = 0;
    ::waitpid(figlio, &stato, 0);
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : 99;
}

TEST(SalvaImpostazioni, UnFileOstileNonFaAspettareNeRompe) {
    // Whatever lies in the lock file's place, whoever holds the lock, or a folder the player may
    // not write: the save comes back with the reason instead of waiting, the old file stays whole.
    const std::vector<std::pair<std::string, std::string>> casi = {
        {"Pipe", "brivetta.ini.lock is not an ordinary file"},
        {"Cartella", "brivetta.ini.lock is a folder"},
        {"Tenuto", "brivetta.ini.lock is held by another program"},
        {"SenzaPermessi", "Permission denied"},
    };
    for (const auto& [guasto, motivo] : casi) {
        SCOPED_TRACE(guasto);
        CartellaTemporanea dir;
        fs::permissions(dir(), fs::perms::all);
        dir.Scrivi(FileImpostazioni, "Bluff=3");
        const fs::path blocco = dir / FileBlocco;
        int tenuto = -1;
        if (guasto == "Pipe") {
            ASSERT_EQ(::mkfifo(blocco.c_str(), 0666), 0);
        }
        if (guasto == "Cartella") dir.Cartella(FileBlocco);
        if (guasto == "Tenuto") {
            // Another open of the file is another holder, as another process would be.
            tenuto = ::open(blocco.c_str(), O_RDONLY | O_CREAT, 0666);
            ASSERT_EQ(::flock(tenuto, LOCK_EX), 0);
        }
        if (guasto == "SenzaPermessi") {
            fs::permissions(dir / FileImpostazioni, fs::perms::none);
            fs::permissions(dir(), fs::perms::owner_read | fs::perms::owner_exec |
                                       fs::perms::others_read | fs::perms::others_exec);
        }
        EXPECT_EQ(InUnFiglio(
                      [&] {
                          Impostazioni s;
                          CaricaImpostazioni(s, dir()); // an unreadable file gives the defaults
                          if (s.Bluff != (guasto == "SenzaPermessi" ? 5 : 3)) return 1;
                          const auto esito = SalvaImpostazioni(Impostazioni{}, dir());
                          return !esito.Riuscito && esito.Errore == motivo ? 0 : 2;
                      },
                      guasto == "SenzaPermessi"),
                  0);
        fs::permissions(dir(), fs::perms::owner_all);
        fs::permissions(dir / FileImpostazioni, fs::perms::owner_read);
        EXPECT_EQ(dir.Leggi(FileImpostazioni), "Bluff=3");
        EXPECT_FALSE(fs::exists(dir / FileImpostazioniNuovo));
        if (tenuto >= 0) {
            ::close(tenuto); // released: the next save goes through
            EXPECT_TRUE(SalvaImpostazioni(Impostazioni{}, dir()).Riuscito);
        }
    }
}

TEST(SalvaImpostazioni, DueCopieDelGiocoSalvanoInsieme) {
    // Two copies of the game save over and over while a third process reads: every read finds a
    // whole file, a save fails only because the other copy holds the lock (and then succeeds
    // when tried again, as the player would), and the last save of either copy is what stays.
    CartellaTemporanea dir;
    constexpr int Salvataggi = 200;
    const auto impostazioni = [](int copia, int volta) {
        Impostazioni s;
        s.Nome = std::string(1 + volta % 8, copia == 1 ? 'a' : 'b');
        s.Bluff = Intero(copia), s.VelocitaCarta = Intero(1 + volta % 100);
        s.Carte = std::string(1 + volta % 200, 'c');
        return s;
    };
    std::vector<pid_t> copie;
    for (int copia : {1, 2}) {
        copie.push_back(::fork());
        if (copie.back() == 0) {
            for (int volta = 0; volta < Salvataggi; ++volta) {
                for (int prova = 0;; ++prova) {
                    const auto esito = SalvaImpostazioni(impostazioni(copia, volta), dir());
                    if (esito.Riuscito) break;
                    if (esito.Errore != "brivetta.ini.lock is held by another program") ::_exit(1);
                    if (prova == Salvataggi) ::_exit(2);
                }
            }
            ::_exit(0);
        }
    }
    int letture = 0, rotte = 0;
    for (int finite = 0; finite < 2;) {
        for (pid_t& copia : copie) {
            int stato = 0;
            if (copia > 0 && ::waitpid(copia, &stato, WNOHANG) == copia) {
                EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0) << "a save failed";
                copia = 0, ++finite;
            }
        }
        std::ifstream file(dir / FileImpostazioni, std::ios::binary);
        if (!file) continue; // none saved yet
        const std::string letto(std::istreambuf_iterator<char>(file), {});
        std::istringstream ingresso(letto);
        Impostazioni s;
        LeggiImpostazioni(s, ingresso);
        ++letture, rotte += TestoImpostazioni(s) != letto;
    }
    EXPECT_EQ(rotte, 0) << "of " << letture << " reads";
    const std::string ultimo = dir.Leggi(FileImpostazioni);
    EXPECT_TRUE(ultimo == TestoImpostazioni(impostazioni(1, Salvataggi - 1)) ||
                ultimo == TestoImpostazioni(impostazioni(2, Salvataggi - 1)));
    EXPECT_FALSE(fs::exists(dir / FileImpostazioniNuovo));
}

} // namespace
} // namespace brivetta
