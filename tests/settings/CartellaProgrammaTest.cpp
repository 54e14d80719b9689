#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "CartellaProgramma.h"
#include "CartellaTemporanea.h"

namespace brivetta {
namespace {

namespace fs = std::filesystem;

// A system install: the program's folder is read-only, the player's home is empty. Running as
// root, permission bits stop nothing, so the read-only folders are simulated.
struct Installazione {
    test::CartellaTemporanea radice;
    fs::path programma = radice / "usr/lib/brivetta";
    std::map<std::string, std::string> variabili{{"HOME", (radice / "home/io").string()}};
    std::set<fs::path> solaLettura{programma};
    AmbienteCartella ambiente{
        [this](const std::string& nome) -> std::optional<std::string> {
            const auto v = variabili.find(nome);
            return v == variabili.end() ? std::nullopt : std::optional(v->second);
        },
        [this](const fs::path& c) { return !solaLettura.count(c) && fs::is_directory(c); }};

    Installazione() {
        for (const std::string nome : {"Piacentine/00_dorso.gif", "SOUND112.wav", "Brivetta.htm",
                                       "brivetta", "brivetta.ini", "BRIVETTA.BAK", ".nascosto"})
            radice.Scrivi(programma / nome, nome);
        fs::permissions(programma / "brivetta", fs::perms::owner_exec, fs::perm_options::add);
        radice.Cartella("home/io");
    }
    fs::path Utente() const { return radice / "home/io/.local/share/brivetta"; }
    fs::path Prepara() const { return PreparaCartellaProgramma(programma, ambiente); }
};

TEST(PreparaCartellaProgramma, CollegaIFileSpeditiNellaCartellaDelGiocatore) {
    Installazione i;
    ASSERT_EQ(i.Prepara(), i.Utente());
    // The executable, other people's settings and hidden files are not the player's to share.
    for (const char* nome : {"Piacentine", "SOUND112.wav", "Brivetta.htm"})
        EXPECT_TRUE(fs::is_symlink(i.Utente() / nome)) << nome;
    for (const char* nome : {"brivetta", "brivetta.ini", "BRIVETTA.BAK", ".nascosto"})
        EXPECT_FALSE(fs::exists(fs::symlink_status(i.Utente() / nome))) << nome;
    EXPECT_EQ(i.radice.Leggi(i.Utente() / "Piacentine/00_dorso.gif"), "Piacentine/00_dorso.gif");

    // The next start links what an update added and brings up to date a link an older install
    // left elsewhere. The player's own files stay, and so does his own link under a shipped name.
    i.radice.Scrivi("usr/lib/brivetta/laser.wav", "laser");
    for (const char* nome : {"Brivetta.htm", "Piacentine", "SOUND112.wav"})
        fs::remove(i.Utente() / nome);
    for (const char* nome : {"Mie/00.gif", "brivetta.ini", "Brivetta.htm"})
        i.radice.Scrivi(i.Utente() / nome, "mio");
    fs::create_directory_symlink("/media/chiavetta/carte", i.Utente() / "Piacentine");
    fs::create_symlink(i.radice / "opt/brivetta/SOUND112.wav", i.Utente() / "SOUND112.wav");
    ASSERT_EQ(i.Prepara(), i.Utente());
    EXPECT_EQ(i.radice.Leggi(i.Utente() / "laser.wav"), "laser");
    EXPECT_EQ(fs::read_symlink(i.Utente() / "SOUND112.wav"), i.programma / "SOUND112.wav");
    for (const char* nome : {"Mie/00.gif", "brivetta.ini", "Brivetta.htm"})
        EXPECT_EQ(i.radice.Leggi(i.Utente() / nome), "mio") << nome;
    EXPECT_EQ(fs::read_symlink(i.Utente() / "Piacentine"), "/media/chiavetta/carte");
}

// An absolute XDG_DATA_HOME (here within the test's root) holds the player's folder; an empty,
// relative or missing one leaves it in ~/.local/share.
TEST(PreparaCartellaProgramma, CartellaDatiSceltaDallAmbiente) {
    for (const auto& xdg :
         std::vector<std::optional<std::string>>{"/dati/", "dati", std::nullopt}) {
        SCOPED_TRACE(xdg.value_or("(assente)"));
        Installazione i;
        const bool assoluta = xdg && xdg->rfind('/', 0) == 0;
        if (xdg) i.variabili["XDG_DATA_HOME"] = assoluta ? i.radice().string() + *xdg : *xdg;
        const fs::path atteso = assoluta ? i.radice / "dati/brivetta" : i.Utente();
        EXPECT_EQ(i.Prepara(), atteso);
        EXPECT_EQ(i.radice.Leggi(atteso / "SOUND112.wav"), "SOUND112.wav");
    }
}

// A writable program folder is used as it is; and when anything fails, the game still starts
// from its own folder, just unable to save.
TEST(PreparaCartellaProgramma, CartellaScrivibileOGuastoUsaQuellaDelProgramma) {
    const std::vector<std::pair<const char*, std::function<void(Installazione&)>>> casi = {
        {"scrivibile", [](Installazione& i) { i.solaLettura.clear(); }},
        {"un file al posto della cartella",
         [](Installazione& i) { i.radice.Scrivi("home/io/.local/share/brivetta", "file"); }},
        {"cartella del programma sparita",
         [](Installazione& i) { i.solaLettura.insert(i.programma = i.radice / "sparita"); }},
    };
    for (const auto& [nome, guasta] : casi) {
        SCOPED_TRACE(nome);
        Installazione i;
        guasta(i);
        EXPECT_EQ(i.Prepara(), i.programma);
    }
}

} // namespace
} // namespace brivetta
