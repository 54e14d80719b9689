#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "CartellaProgramma.h"

namespace brivetta {
namespace {

namespace fs = std::filesystem;

std::string Leggi(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream testo;
    testo << in.rdbuf();
    return testo.str();
}

void Scrivi(const fs::path& file, const std::string& testo) {
    std::ofstream(file, std::ios::binary) << testo;
}

class CartellaProgrammaTest : public ::testing::Test {
  public:
    void SetUp() override {
        static std::atomic<int> numero{0};
        radice_ = fs::temp_directory_path() /
                  ("brivetta-cartella-" +
                   std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) +
                   "-" + std::to_string(numero++));
        programma_ = radice_ / "usr" / "lib" / "brivetta";
        casa_ = radice_ / "home" / "giocatore";
        fs::create_directories(programma_ / "Piacentine");
        fs::create_directories(casa_);
        Scrivi(programma_ / "Piacentine" / "00_dorso.gif", "dorso");
        Scrivi(programma_ / "SOUND112.wav", "suono");
        Scrivi(programma_ / "Brivetta.htm", "aiuto");
        Scrivi(programma_ / "brivetta", "eseguibile");
        fs::permissions(programma_ / "brivetta", fs::perms::owner_exec, fs::perm_options::add);
        ambiente_.variabile = [this](const std::string& nome) -> std::optional<std::string> {
            auto valore = variabili_.find(nome);
            if (valore == variabili_.end()) return std::nullopt;
            return valore->second;
        };
        // Running as root, permission bits stop nothing: the read-only folders are simulated.
        ambiente_.scrivibile = [this](const fs::path& cartella) {
            return solaLettura_.count(cartella) == 0 && fs::is_directory(cartella);
        };
        variabili_ = {{"HOME", casa_.string()}};
        solaLettura_ = {programma_};
    }
    void TearDown() override { fs::remove_all(radice_); }

    fs::path Utente() const { return casa_ / ".local" / "share" / "brivetta"; }

    fs::path radice_, programma_, casa_;
    std::map<std::string, std::string> variabili_;
    std::set<fs::path> solaLettura_;
    AmbienteCartella ambiente_;
};

TEST_F(CartellaProgrammaTest, CartellaScrivibileUsataComE) {
    solaLettura_.clear();
    EXPECT_EQ(PreparaCartellaProgramma(programma_, ambiente_), programma_);
    EXPECT_FALSE(fs::exists(casa_ / ".local"));
}

TEST_F(CartellaProgrammaTest, InstallazioneDiSistemaCollegaIFileSpediti) {
    Scrivi(programma_ / "brivetta.ini", "impostazioni di qualcun altro");
    Scrivi(programma_ / "BRIVETTA.BAK", "mezzo salvataggio");
    Scrivi(programma_ / ".nascosto", "x");

    ASSERT_EQ(PreparaCartellaProgramma(programma_, ambiente_), Utente());

    struct Caso {
        const char* nome;
        bool collegato;
    };
    for (const Caso& caso :
         {Caso{"Piacentine", true}, Caso{"SOUND112.wav", true}, Caso{"Brivetta.htm", true},
          Caso{"brivetta", false}, Caso{"brivetta.ini", false}, Caso{"BRIVETTA.BAK", false},
          Caso{".nascosto", false}}) {
        SCOPED_TRACE(caso.nome);
        const fs::path voce = Utente() / caso.nome;
        EXPECT_EQ(fs::is_symlink(voce), caso.collegato);
        EXPECT_EQ(fs::exists(fs::symlink_status(voce)), caso.collegato);
        if (caso.collegato) {
            EXPECT_TRUE(fs::equivalent(voce, programma_ / caso.nome));
        }
    }
    // The game reaches the shipped files through the links.
    EXPECT_EQ(Leggi(Utente() / "Piacentine" / "00_dorso.gif"), "dorso");
    EXPECT_EQ(Leggi(Utente() / "Brivetta.htm"), "aiuto");
}

TEST_F(CartellaProgrammaTest, CartellaDatiSceltaDallAmbiente) {
    struct Caso {
        const char* nome;
        std::optional<std::string> xdg;
        fs::path atteso; // relative to the root of the test
    };
    const Caso casi[] = {
        {"xdg assoluta", "/dati", "dati/brivetta"},
        {"xdg con barra finale", "/dati/", "dati/brivetta"},
        {"xdg vuota", "", "home/giocatore/.local/share/brivetta"},
        {"xdg relativa", "dati", "home/giocatore/.local/share/brivetta"},
        {"xdg assente", std::nullopt, "home/giocatore/.local/share/brivetta"},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        variabili_.erase("XDG_DATA_HOME");
        if (caso.xdg)
            variabili_["XDG_DATA_HOME"] = caso.xdg->empty() || caso.xdg->front() != '/'
                                              ? *caso.xdg
                                              : radice_.string() + *caso.xdg;
        const fs::path atteso = radice_ / caso.atteso;
        EXPECT_EQ(PreparaCartellaProgramma(programma_, ambiente_), atteso);
        EXPECT_TRUE(fs::is_regular_file(atteso / "SOUND112.wav"));
    }
}

TEST_F(CartellaProgrammaTest, IFileDelGiocatoreNonSiToccano) {
    fs::create_directories(Utente() / "Mie");
    Scrivi(Utente() / "Mie" / "00.gif", "mio dorso");
    Scrivi(Utente() / "brivetta.ini", "Suono=0\r\n");
    Scrivi(Utente() / "Brivetta.htm", "il mio aiuto");
    // A player's own dangling link named like a shipped entry, pointing elsewhere.
    fs::create_directory_symlink("/media/chiavetta/carte", Utente() / "Piacentine");

    ASSERT_EQ(PreparaCartellaProgramma(programma_, ambiente_), Utente());

    EXPECT_EQ(Leggi(Utente() / "brivetta.ini"), "Suono=0\r\n");
    EXPECT_EQ(Leggi(Utente() / "Brivetta.htm"), "il mio aiuto");
    EXPECT_FALSE(fs::is_symlink(Utente() / "Brivetta.htm"));
    EXPECT_EQ(Leggi(Utente() / "Mie" / "00.gif"), "mio dorso");
    EXPECT_EQ(fs::read_symlink(Utente() / "Piacentine"), "/media/chiavetta/carte");
    EXPECT_TRUE(fs::is_symlink(Utente() / "SOUND112.wav"));
}

TEST_F(CartellaProgrammaTest, CollegamentiDiUnaVecchiaInstallazioneRiparati) {
    fs::create_directories(Utente());
    const fs::path vecchia = radice_ / "opt" / "brivetta";
    fs::create_directory_symlink(vecchia / "Piacentine", Utente() / "Piacentine");

    ASSERT_EQ(PreparaCartellaProgramma(programma_, ambiente_), Utente());

    EXPECT_EQ(fs::read_symlink(Utente() / "Piacentine"), programma_ / "Piacentine");
    EXPECT_EQ(Leggi(Utente() / "Piacentine" / "00_dorso.gif"), "dorso");
}

TEST_F(CartellaProgrammaTest, SecondoAvvioUgualeAlPrimo) {
    const fs::path primo = PreparaCartellaProgramma(programma_, ambiente_);
    // A file the program gains later (an update) is linked at the next start.
    Scrivi(programma_ / "laser.wav", "laser");
    EXPECT_EQ(PreparaCartellaProgramma(programma_, ambiente_), primo);
    EXPECT_EQ(fs::read_symlink(primo / "SOUND112.wav"), programma_ / "SOUND112.wav");
    EXPECT_EQ(Leggi(primo / "laser.wav"), "laser");
}

TEST_F(CartellaProgrammaTest, OgniGuastoRiportaAllaCartellaDelProgramma) {
    struct Caso {
        const char* nome;
        std::function<void(CartellaProgrammaTest&)> prepara;
    };
    const Caso casi[] = {
        {"nessuna casa", [](CartellaProgrammaTest& t) { t.variabili_.clear(); }},
        {"casa relativa", [](CartellaProgrammaTest& t) { t.variabili_["HOME"] = "giocatore"; }},
        {"un file al posto della cartella",
         [](CartellaProgrammaTest& t) {
             fs::create_directories(t.Utente().parent_path());
             Scrivi(t.Utente(), "non una cartella");
         }},
        {"cartella dati non scrivibile",
         [](CartellaProgrammaTest& t) {
             fs::create_directories(t.Utente());
             t.solaLettura_.insert(t.Utente());
         }},
        {"cartella del programma sparita",
         [](CartellaProgrammaTest& t) {
             t.solaLettura_.insert(t.radice_ / "sparita");
             t.programma_ = t.radice_ / "sparita";
         }},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        TearDown();
        SetUp();
        caso.prepara(*this);
        EXPECT_EQ(PreparaCartellaProgramma(programma_, ambiente_), programma_);
    }
}

TEST(CartellaScrivibile, ProvaConUnFileVero) {
    const fs::path cartella =
        fs::temp_directory_path() /
        ("brivetta-prova-" +
         std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    fs::create_directories(cartella);
    EXPECT_TRUE(CartellaScrivibile(cartella));
    EXPECT_TRUE(fs::is_empty(cartella)); // the probe leaves nothing behind
    Scrivi(cartella / "file", "x");
    EXPECT_FALSE(CartellaScrivibile(cartella / "file"));
    EXPECT_FALSE(CartellaScrivibile(cartella / "assente"));
    fs::remove_all(cartella);
}

} // namespace
} // namespace brivetta
