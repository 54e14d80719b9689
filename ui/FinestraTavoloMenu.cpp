// Menu entries of the table window that open the other windows and documents.
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

#include "CercaFile.h"
#include "Collegamenti.h"
#include "FinestraTavolo.h"
#include "DialogoOpzioni.h"
#include "FinestraInfo.h"
#include "FileImpostazioni.h"
#include "Regole.h"

namespace brivetta {

namespace {
constexpr const char* FileAiuto = "Brivetta.htm";
constexpr int SlotReBello = 10;
constexpr int SlotSetteBello = 7;
// The table keeps each character's smiling face at 12 + 2i and its frowning face next to it.
constexpr int PrimaFacciaPersonaggio = 12;
} // namespace

void FinestraTavolo::Menuspeed_Click() {
    stato_.MalloppoPrecedente = stato_.MalloppoIniziale;
    DialogoOpzioni opzioni(
        ImpostazioniDelTavolo(Stato()),
        [this](int i) { return ImmagineFaccia(PrimaFacciaPersonaggio + 2 * i); }, this);
    connect(&opzioni, &DialogoOpzioni::mazzoScelto, this, [this, &opzioni](const QByteArray& nome) {
        stato_.Carte = nome.toStdString();
        // In force at once, whatever button closes the dialog.
        CaricaCarte();
        // After a failed set the default is in use: the list shows which.
        opzioni.MostraMazzoInUso(stato_.Carte);
    });
    if (opzioni.exec() == QDialog::Accepted) {
        ApplicaImpostazioni(stato_, opzioni.Scelte());
        // The label takes the new name now; its place is worked out at the next redraw.
        vista_.Label4.Testo = stato_.Nomi[1];
        CopiaAvatar();
        SalvaImpostazioni(stato_);
        Rinfresca();
    }
    // A new starting money only means something for a game that starts with it.
    if (stato_.MalloppoIniziale != stato_.MalloppoPrecedente) FileNuovo_Click();
}

void FinestraTavolo::MenuS_Click() {
    const bool acceso = !menuS_->isChecked();
    stato_.Suono = acceso ? 1 : 0;
    menuS_->setChecked(acceso);
    // Saved at once, so the choice survives even a game left by "Esci" right after.
    SalvaImpostazioni(stato_);
}

void FinestraTavolo::MenuHelp_Click() {
    const std::filesystem::path aiuto = CercaFile(".", FileAiuto);
    std::error_code ec;
    if (aiuto.empty() || !std::filesystem::is_regular_file(aiuto, ec)) {
        Messaggio(std::string("Non trovato file di documentazione/help ") + FileAiuto);
        return;
    }
    ApriDocumento(
        QUrl::fromLocalFile(QFileInfo(QFile::decodeName(aiuto.c_str())).absoluteFilePath()));
}

void FinestraTavolo::Menureg_Click() {
    Messaggio(TestoRegole());
}

void FinestraTavolo::MenuMail_Click() {
    ApriDocumento(QUrl(QStringLiteral("mailto:") + PostaAutore));
}

void FinestraTavolo::MenuPHP_Click() {
    ApriDocumento(QUrl(SitoAutore));
}

void FinestraTavolo::MenuInfo_Click() {
    FinestraInfo informazioni(ImmagineCarta(SlotReBello), ImmagineCarta(SlotSetteBello), this);
    informazioni.exec();
}

} // namespace brivetta
