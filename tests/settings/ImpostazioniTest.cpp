#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "../engine/Registro.h"
#include "CartellaTemporanea.h"
#include "Gioco.h"
#include "Impostazioni.h"

namespace brivetta {
namespace {

namespace fs = std::filesystem;
using test::CartellaTemporanea;

// The settings as a comparable value; the defaults are those of a first run.
struct Valori {
    std::string nome = "Anonimo";
    int bluff = 5, velocita = 5, vincita = 0, personaggio = 0, malloppo = 50, suono = 1;
    std::string carte = "Piacentine";
    bool operator==(const Valori&) const = default;
};

void PrintTo(const Valori& v, std::ostream* os) {
    *os << "{" << v.nome << "," << v.bluff << "," << v.velocita << "," << v.vincita << ","
        << v.personaggio << "," << v.malloppo << "," << v.suono << "," << v.carte << "}";
}

Valori Di(const StatoTavolo& s) {
    return {s.Nomi[1],          s.Bluff, s.VelocitaCarta, s.VincitaDoppia, s.Personaggio,
            s.MalloppoIniziale, s.Suono, s.Carte};
}

// The state as start-up hands it to the reader.
StatoTavolo Avviato() {
    StatoTavolo s;
    s.Nomi[1] = "Anonimo";
    s.Suono = 1;
    return s;
}

std::optional<bool> Carica(const CartellaTemporanea& dir, const std::string& byte, StatoTavolo& s) {
    dir.Scrivi(FileImpostazioni, byte);
    return CaricaImpostazioni(s, dir());
}

struct Caso {
    const char* nome;
    std::string file;
    Valori atteso;
    std::optional<bool> spunta = true;
};

TEST(CaricaImpostazioni, RegoleDiLettura) {
    using namespace std::string_literals;
    const std::vector<Caso> casi = {
        {"SoloMalloppoFuori", "MalloppoIniziale=150\r\n", {}},
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
        {"NomeConUguale", "Giocatore1=a=b", {.nome = "a=b"}},
        {"NomeVuoto", "Giocatore1=", {.nome = ""}},
        {"NomeTraBlank", "Giocatore1=  ugo  ", {.nome = "ugo"}},
        {"NomeUtf8TagliatoACaratteri", "Giocatore1=Niccolòxyz", {.nome = "Niccolòx"}},
        {"NomeLatin1", "Giocatore1=Nicol\xF2", {.nome = "Nicolò"}},
        {"NomeLatin1Lungo",
         "Giocatore1=\xE0\xE8\xEC\xF2\xF9\xE0\xE8\xEC\xF2",
         {.nome = "àèìòùàèì"}},
        {"ChiaveStaccataDallUguale", "Bluff =3", {}},
        {"PuntoEVirgolaNonCommenta", ";Bluff=3", {.bluff = 3}},
        {"ChiaveConAltreMaiuscole", "bluff=3\r\nBLUFF=4", {}},
        {"NumeroPoiLettere", "Bluff=3abc", {.bluff = 3}},
        {"SoloLettere", "Bluff=abc", {}},
        {"TabNonEBlank", "Bluff=\t3", {}},
        {"NomeVinceSuBluff", "Bluff=3 Giocatore1=x", {.nome = "3 Giocat"}},
        {"ValoreDopoIlPrimoUguale", "x=4 Bluff=3", {.bluff = 4}},
        {"UltimaVince", "Bluff=3\r\nBluff=7", {.bluff = 7}},
        {"UltimaVinceAncheFuori", "Bluff=3\r\nBluff=12", {}},
        {"MezzoAlPari", "VelocitaCarta=7.5\r\nBluff=6.5", {.bluff = 6, .velocita = 8}},
        {"QuasiMezzo", "VelocitaCarta=6.50000000000000000001", {.velocita = 7}},
        {"SottoMezzo", "VelocitaCarta=5.4999", {.velocita = 5}},
        {"MezzoSuCento", "VelocitaCarta=100.5", {.velocita = 100}},
        {"OltreMezzoSuCento", "VelocitaCarta=100.51", {}},
        {"ZeroEMezzo", "VelocitaCarta=0.5", {}},
        {"SegnoEPunti",
         "Bluff=+3\r\nVelocitaCarta=3.\r\nPersonaggio=.6",
         {.bluff = 3, .velocita = 3, .personaggio = 1}},
        {"NienteEsponenteNeVirgola", "Bluff=1e2\r\nVelocitaCarta=2,9", {.bluff = 1, .velocita = 2}},
        {"ZeriInTesta", "MalloppoIniziale=0000000000000000000000060", {.malloppo = 60}},
        {"Suono32767", "Suono=32767", {.suono = 32767}, std::nullopt},
        {"Suono32768", "Suono=32768", {}},
        {"SuonoMeno32768", "Suono=-32768.5", {.suono = -32768}, std::nullopt},
        {"SuonoMeno32769", "Suono=-32769", {}},
        {"SuonoArrotondaFuori", "Suono=32767.5", {}},
        {"SuonoEnorme", "Suono=99999999999999999999", {}},
        {"SuonoZero", "Suono=0", {.suono = 0}, false},
        {"SuonoDue", "Suono=2", {.suono = 2}, std::nullopt},
        {"CarteVuota", "Carte=", {}},
        {"CarteLungaQuantoUnNome",
         "Carte=" + std::string(255, 'x'),
         {.carte = std::string(255, 'x')}},
        {"CarteTroppoLunga", "Carte=" + std::string(256, 'x'), {}},
        {"CarteTraBlank", "Carte=  Tarocchi nuovi  ", {.carte = "Tarocchi nuovi"}},
        {"FiniRigaMiste",
         "Bluff=3\rPersonaggio=2\nVincitaDoppia=1\r\n\n\rSuono=0",
         {.bluff = 3, .vincita = 1, .personaggio = 2, .suono = 0},
         false},
        {"NulNelValore", "Bluff=3\0\0\r\nVelocitaCarta=\0 9"s, {.bluff = 3}},
        {"NulNellaChiave", "Blu\0ff=3"s, {}},
        {"NulNelNome", "Giocatore1=a\0b"s, {.nome = "a\0b"s}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        CartellaTemporanea dir;
        StatoTavolo s = Avviato();
        EXPECT_EQ(Carica(dir, c.file, s), c.spunta);
        EXPECT_EQ(Di(s), c.atteso);
    }
}

TEST(CaricaImpostazioni, PrimoAvvioSenzaFile) {
    CartellaTemporanea dir;
    StatoTavolo s;
    VistaTavolo v;
    test::Registro ui;
    CasualeScriptato caso;
    Gioco(s, v, ui, caso).AvvioIniziale();
    EXPECT_EQ(CaricaImpostazioni(s, dir()), true);
    EXPECT_EQ(Di(s), Valori{});
    EXPECT_TRUE(fs::is_empty(dir())); // nothing is created by reading
}

TEST(SalvaImpostazioni, ScriveDieciRigheCrLf) {
    CartellaTemporanea dir;
    // Lines without a key and a doubled key do not survive: the file is rewritten whole.
    dir.Scrivi(FileImpostazioni, "Bluff=2\r\nBluff=3\r\nAltro=1\r\n");
    StatoTavolo s = Avviato();
    s.Nomi[1] = " Ugo ";
    s.Bluff = 5;
    s.VelocitaCarta = 100;
    s.VincitaDoppia = 0;
    s.Personaggio = 7;
    s.MalloppoIniziale = 40;
    s.Suono = -32768;
    s.Carte = "Napoletane";
    ASSERT_TRUE(SalvaImpostazioni(s, dir()).Riuscito);
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
}

TEST(SalvaImpostazioni, RiletturaDaGliStessiValori) {
    struct Giro {
        Valori scritto;
        std::string nomeLetto, carteLetto;
    };
    const std::vector<Giro> casi = {
        {{}, "Anonimo", "Piacentine"},
        // Blanks around the name are written but trimmed when read back.
        {{"  Ugo  ", 1, 1, 1, 7, 100, 0, "Napoletane"}, "Ugo", "Napoletane"},
        {{"Niccolò", 10, 100, 0, 3, 40, -3, "Tarocchi nuovi"}, "Niccolò", "Tarocchi nuovi"},
        {{"", 5, 5, 0, 0, 50, 32767, "Piacentine"}, "", "Piacentine"},
        // A line end inside a value must not make a line of its own.
        {{"a\r\nBluff=9", 2, 5, 0, 0, 50, 1, "x\ny"}, "a  Bluff", "x y"},
    };
    for (const auto& [v, nomeLetto, carteLetto] : casi) {
        SCOPED_TRACE(v.nome);
        CartellaTemporanea dir;
        StatoTavolo s = Avviato();
        s.Nomi[1] = v.nome, s.Bluff = v.bluff, s.VelocitaCarta = v.velocita;
        s.VincitaDoppia = v.vincita, s.Personaggio = v.personaggio;
        s.MalloppoIniziale = v.malloppo, s.Suono = v.suono, s.Carte = v.carte;
        ASSERT_TRUE(SalvaImpostazioni(s, dir()).Riuscito);
        StatoTavolo letto = Avviato();
        CaricaImpostazioni(letto, dir());
        Valori atteso = v;
        atteso.nome = nomeLetto;
        atteso.carte = carteLetto;
        EXPECT_EQ(Di(letto), atteso);
    }
}

TEST(SalvaImpostazioni, UnFallimentoLasciaIlVecchioFile) {
    struct Guasto {
        const char* nome;
        void (*prepara)(const CartellaTemporanea&);
        bool riesce;
    };
    const std::vector<Guasto> guasti = {
        {"IniECartella", [](const CartellaTemporanea& d) { d.Scrivi("brivetta.ini/dentro", "x"); },
         false},
        {"BakECartellaPiena",
         [](const CartellaTemporanea& d) { d.Scrivi("brivetta.bak/dentro", "x"); }, false},
        {"BakVecchio",
         [](const CartellaTemporanea& d) {
             d.Scrivi(FileImpostazioniNuovo, std::string(5000, 'z'));
         },
         true},
        {"BakCollegamento",
         [](const CartellaTemporanea& d) {
             d.Scrivi("altro.txt", "intatto");
             fs::create_symlink(d / "altro.txt", d / FileImpostazioniNuovo);
         },
         true},
    };
    StatoTavolo s = Avviato();
    LimitaImpostazioni(s);
    for (const auto& g : guasti) {
        SCOPED_TRACE(g.nome);
        CartellaTemporanea dir;
        if (std::string(g.nome) != "IniECartella") dir.Scrivi(FileImpostazioni, "VECCHIO");
        g.prepara(dir);
        const EsitoSalvataggio esito = SalvaImpostazioni(s, dir());
        EXPECT_EQ(esito.Riuscito, g.riesce) << esito.Errore;
        EXPECT_EQ(esito.Errore.empty(), g.riesce);
        if (g.riesce) {
            EXPECT_EQ(dir.Leggi(FileImpostazioni), TestoImpostazioni(s));
        } else if (fs::is_regular_file(dir / FileImpostazioni)) {
            EXPECT_EQ(dir.Leggi(FileImpostazioni), "VECCHIO");
        }
        if (std::string(g.nome) != "BakECartellaPiena") {
            EXPECT_FALSE(fs::exists(fs::symlink_status(dir / FileImpostazioniNuovo)));
        }
        if (fs::exists(dir / "altro.txt")) {
            EXPECT_EQ(dir.Leggi("altro.txt"), "intatto");
        }
    }
    EXPECT_FALSE(SalvaImpostazioni(s, "/nonesiste/brivetta").Riuscito);
}

// Runs `prova` in a child process without privileges (root reads any file whatever its
// permission bits) and returns its exit code.
template <class F> int SenzaPrivilegi(F prova) {
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(90);
        ::_exit(prova());
    }
    int stato = 0;
    ::waitpid(figlio, &stato, 0);
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : 99;
}

TEST(Impostazioni, FileEFolderSenzaPermessi) {
    CartellaTemporanea dir;
    fs::permissions(dir(), fs::perms::all);
    dir.Scrivi("illeggibile/brivetta.ini", "Bluff=3\r\n");
    fs::permissions(dir / "illeggibile/brivetta.ini", fs::perms::none);
    dir.Scrivi("bloccata/brivetta.ini", "VECCHIO");
    fs::permissions(dir / "bloccata", fs::perms::owner_read | fs::perms::owner_exec |
                                          fs::perms::others_read | fs::perms::others_exec);
    EXPECT_EQ(SenzaPrivilegi([&] {
                  if (::access((dir / "illeggibile/brivetta.ini").c_str(), R_OK) == 0) return 2;
                  StatoTavolo s = Avviato();
                  CaricaImpostazioni(s, dir / "illeggibile");
                  return s.Bluff == 5 ? 0 : 1;
              }),
              0);
    EXPECT_EQ(SenzaPrivilegi([&] {
                  const auto esito = SalvaImpostazioni(Avviato(), dir / "bloccata");
                  return !esito.Riuscito && dir.Leggi("bloccata/brivetta.ini") == "VECCHIO" ? 0 : 1;
              }),
              0);
    fs::permissions(dir / "bloccata", fs::perms::owner_all);
}

bool DentroIntervallo(const StatoTavolo& s) {
    std::size_t caratteri = 0;
    for (unsigned char c : s.Nomi[1])
        caratteri += (c & 0xC0) != 0x80;
    return s.Bluff >= 1 && s.Bluff <= 10 && s.VelocitaCarta >= 1 && s.VelocitaCarta <= 100 &&
           s.MalloppoIniziale >= 40 && s.MalloppoIniziale <= 100 && s.Personaggio >= 0 &&
           s.Personaggio <= 7 && (s.VincitaDoppia == 0 || s.VincitaDoppia == 1) && caratteri <= 8 &&
           !s.Carte.empty();
}

TEST(CaricaImpostazioni, FileOstili) {
    std::uint32_t seme = 12345;
    const auto casuale = [&] { return seme = seme * 1664525u + 1013904223u; };
    std::string spazzatura;
    for (int i = 0; i < 1 << 20; ++i) {
        if (i % 5000 == 0) spazzatura += "Personaggio=-99999999\rGiocatore1=\xF0\x9F\x83\x8F";
        spazzatura.push_back(static_cast<char>(casuale() >> 24));
    }
    const std::string dieciMega(10 << 20, 'A');
    struct Ostile {
        const char* nome;
        std::string byte;
        Valori atteso;
    };
    const std::vector<Ostile> casi = {
        {"NomeDiDieciMega",
         "Giocatore1=" + dieciMega + "\r\nBluff=3",
         {.nome = "AAAAAAAA", .bluff = 3}},
        {"NumeroDiDieciMega",
         "Personaggio=" + std::string(10 << 20, '9') + "\nBluff=4",
         {.bluff = 4}},
        {"ChiaveOltreIlLimite",
         "Personaggio=2 " + dieciMega + " Bluff=3\rBluff=4",
         {.bluff = 4, .personaggio = 2}},
        {"RigaSenzaFine", dieciMega, {}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        CartellaTemporanea dir;
        StatoTavolo s = Avviato();
        Carica(dir, c.byte, s);
        EXPECT_EQ(Di(s), c.atteso);
    }
    CartellaTemporanea dir;
    StatoTavolo s = Avviato();
    Carica(dir, spazzatura, s);
    EXPECT_TRUE(DentroIntervallo(s));
}

TEST(CaricaImpostazioni, NonFileOrdinariNonSiLeggono) {
    const std::vector<std::pair<const char*, void (*)(const fs::path&)>> casi = {
        {"Cartella", [](const fs::path& f) { fs::create_directory(f); }},
        {"Fifo", [](const fs::path& f) { ::mkfifo(f.c_str(), 0644); }},
        {"Dispositivo", [](const fs::path& f) { fs::create_symlink("/dev/zero", f); }},
    };
    for (const auto& [nome, crea] : casi) {
        SCOPED_TRACE(nome);
        CartellaTemporanea dir;
        crea(dir / FileImpostazioni);
        StatoTavolo s = Avviato();
        EXPECT_EQ(CaricaImpostazioni(s, dir()), true);
        EXPECT_EQ(Di(s), Valori{});
    }
}

TEST(CaricaImpostazioni, NomeDelFileSenzaMaiuscole) {
    CartellaTemporanea dir;
    dir.Scrivi("BRIVETTA.INI", "Bluff=3");
    StatoTavolo s = Avviato();
    CaricaImpostazioni(s, dir());
    EXPECT_EQ(s.Bluff, 3);
}

// A stream whose medium fails after the first bytes.
class GuastoAMeta : public std::streambuf {
  public:
    explicit GuastoAMeta(std::string t) : testo_(std::move(t)) {
        setg(testo_.data(), testo_.data(), testo_.data() + testo_.size());
    }

  protected:
    int_type underflow() override { throw std::ios_base::failure("disco guasto"); }

  private:
    std::string testo_;
};

TEST(LeggiImpostazioni, UnErroreDiLetturaTieneLeRigheComplete) {
    GuastoAMeta buf("Bluff=3\r\nPersonaggio=2\r\nVelocitaCarta=1");
    std::istream in(&buf);
    StatoTavolo s = Avviato();
    LeggiImpostazioni(s, in);
    EXPECT_EQ(s.Bluff, 3);
    EXPECT_EQ(s.Personaggio, 2);
    EXPECT_EQ(s.VelocitaCarta, 0);
}

} // namespace
} // namespace brivetta
