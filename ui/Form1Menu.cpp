// Menu entries of the table window that open the other windows and documents.
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

#include "CercaFile.h"
#include "Collegamenti.h"
#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "Impostazioni.h"
#include "Regole.h"

namespace brivetta {

namespace {
constexpr const char* FileAiuto = "Brivetta.htm";
constexpr int SlotReBello = 10;
constexpr int SlotSetteBello = 7;
} // namespace

void Form1::Menuspeed_Click() {
    {
        Form2 opzioni(*this);
        opzioni.exec();
    }
    // A new starting money only means something for a game that starts with it.
    if (stato_.MalloppoIniziale != stato_.MalloppoPrecedente) FileNuovo_Click();
}

void Form1::MenuS_Click() {
    const bool acceso = !menuS_->isChecked();
    stato_.Suono = acceso ? 1 : 0;
    menuS_->setChecked(acceso);
    // Saved at once, so the choice survives even a game left by "Esci" right after.
    SalvaImpostazioni(stato_);
}

void Form1::MenuHelp_Click() {
    const std::filesystem::path aiuto = CercaFile(".", FileAiuto);
    std::error_code ec;
    if (aiuto.empty() || !std::filesystem::is_regular_file(aiuto, ec)) {
        Messaggio(std::string("Non trovato file di documentazione/help ") + FileAiuto);
        return;
    }
    ApriDocumento(
        QUrl::fromLocalFile(QFileInfo(QFile::decodeName(aiuto.c_str())).absoluteFilePath()));
}

void Form1::Menureg_Click() {
    Messaggio(TestoRegole());
}

void Form1::MenuMail_Click() {
    ApriDocumento(QUrl(QStringLiteral("mailto:") + PostaAutore));
}

void Form1::MenuPHP_Click() {
    ApriDocumento(QUrl(SitoAutore));
}

void Form1::MenuInfo_Click() {
    Form3 informazioni(ImmagineCarta(SlotReBello), ImmagineCarta(SlotSetteBello), this);
    informazioni.exec();
}

} // namespace brivetta
