#include "Supporto.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "FinePartita.h"
#include "RiepilogoManche.h"

namespace brivetta::test {

QByteArray GifProva(QColor colore, QSize misura, QSize schermo) {
    if (!schermo.isValid()) schermo = misura;
    QByteArray gif("GIF89a");
    const auto le16 = [&gif](int n) { gif.append(char(n & 0xFF)).append(char(n >> 8)); };
    le16(schermo.width());
    le16(schermo.height());
    gif.append("\x80\x00\x00", 3); // a palette of two entries, both the colour
    for (int i = 0; i < 2; ++i)
        gif.append(char(colore.red())).append(char(colore.green())).append(char(colore.blue()));
    gif.append('\x2C');
    for (int n : {0, 0, misura.width(), misura.height()})
        le16(n);
    gif.append('\0').append('\x02'); // LZW with 3-bit codes: 4 clears the table, 5 ends
    // Every pixel as a clear code and colour 0, so the table never grows past 3 bits.
    QByteArray codici;
    quint32 accumulo = 0;
    int bit = 0;
    const auto emetti = [&](int codice) {
        accumulo |= quint32(codice) << bit;
        for (bit += 3; bit >= 8; bit -= 8, accumulo >>= 8)
            codici.append(char(accumulo & 0xFF));
    };
    for (qint64 i = qint64(misura.width()) * misura.height(); i > 0; --i)
        emetti(4), emetti(0);
    emetti(5);
    if (bit > 0) codici.append(char(accumulo & 0xFF));
    for (qsizetype i = 0; i < codici.size(); i += 255) {
        const QByteArray blocco = codici.mid(i, 255);
        gif.append(char(blocco.size())).append(blocco);
    }
    return gif.append('\0').append('\x3B');
}

void Scrivi(const QString& file, const QByteArray& contenuto) {
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenuto);
}

QByteArray Leggi(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QPixmap Tinta(int rosso) {
    QPixmap p(34, 34);
    p.fill(QColor(rosso, 0, 0));
    return p;
}

QColor Colore(const QPixmap& p) {
    return p.isNull() ? QColor() : p.toImage().pixelColor(0, 0);
}

Risponditore::Risponditore() {
    connect(&timer_, &QTimer::timeout, this, &Risponditore::Rispondi);
    timer_.start(5);
}

void Risponditore::Rispondi() {
    QWidget* modale = QApplication::activeModalWidget();
    if (!modale || !modale->isVisible() || sospeso_) return;
    if (auto* box = qobject_cast<QMessageBox*>(modale)) {
        // Texts carry the player's name: one that is not shown as typed is marked.
        messaggi << (box->textFormat() == Qt::PlainText ? QString() : QStringLiteral("(rich) ")) +
                        box->text();
        // A message that keeps coming back is a loop: stop here instead of at the time limit.
        if (messaggi.size() > 50) qFatal("endless messages: %s", qPrintable(box->text()));
        box->button(QMessageBox::Ok)->click();
    } else if (auto* riepilogo = qobject_cast<RiepilogoManche*>(modale)) {
        if (tieniRiepilogo_) return;
        QStringList righe;
        for (int i = 1; i <= MaxGiocatori; ++i) {
            if (!riepilogo->Cella(i, 0)->isVisible()) continue;
            QStringList celle;
            for (int c = 0; c < 5; ++c)
                celle << riepilogo->Cella(i, c)->text();
            righe << celle.join(QLatin1Char('|'));
        }
        riepiloghi << righe;
        riepilogo->Ok()->click();
    } else if (auto* fine = qobject_cast<FinePartita*>(modale)) {
        fine->AltraPartita()->click();
    }
}

bool AttendiGiocatore(FinestraTavolo& f, int ms) {
    return QTest::qWaitFor(
        [&f] {
            return f.Motore().Attesa().Tipo == TipoEvento::Giocatore && !f.CartaInVolo() &&
                   !QApplication::activeModalWidget();
        },
        ms);
}

QWidget* ConSuggerimento(QWidget& w, const QString& suggerimento) {
    QWidget* trovato = nullptr;
    for (auto* figlio : w.findChildren<QWidget*>()) {
        if (figlio->toolTip() != suggerimento) continue;
        if (figlio->isVisible()) return figlio;
        if (!trovato) trovato = figlio;
    }
    return trovato;
}

QWidget* ConNome(QWidget& w, const QString& nome) {
    for (auto* figlio : w.findChildren<QWidget*>())
        if (figlio->accessibleName() == nome) return figlio;
    return nullptr;
}

QString Letto(QWidget& w, const QString& nome) {
    auto* l = qobject_cast<QLabel*>(ConNome(w, nome));
    return l && l->isVisible() ? l->text() : QString();
}

void Tavola::UmanoPrimo(bool cinque) {
    const int n = finestra->Stato().NumGiocatori;
    caso.AggiungiMazziere(n, n);
    if (!cinque) return;
    caso.AggiungiCarta(5);
    for (int posto = 2; posto <= n; ++posto)
        caso.AggiungiCarta(20 + posto);
}

bool Tavola::AlTurnoDellUmano(bool cinque) {
    UmanoPrimo(cinque);
    finestra->NuovaPartita();
    return AttendiGiocatore(*finestra) && finestra->Stato().Turno == 1;
}

void Tavola::Insieme(const QString& nome, QColor colore) {
    QDir(cartella.path()).mkpath(nome);
    for (int i = 0; i <= 40; ++i)
        Scrivi(File(QStringLiteral("%1/%2.gif").arg(nome).arg(i, 2, 10, QLatin1Char('0'))),
               GifProva(colore));
}

void Tavola::ScriviIni(const QStringList& righe) {
    Scrivi(File(QStringLiteral("brivetta.ini")),
           (QStringList{QStringLiteral("VelocitaCarta=100")} + righe).join("\r\n").toUtf8() +
               "\r\n");
}

FinestraTavolo& Tavola::Apri() {
    suoni = new SuoniProva;
    finestra = std::make_unique<FinestraTavolo>(&caso, suoni);
    QObject::connect(finestra.get(), &FinestraTavolo::uscita, [this] { ++uscite; });
    finestra->ImpostaCartella(cartella.path());
    finestra->Avvia();
    if (!QTest::qWaitFor([this] { return finestra->Pronta(); }, 5000))
        qWarning("the table never finished starting");
    // The table is settled before any dialog opens over it.
    if (!QTest::qWaitForWindowActive(finestra.get())) qWarning("the table never became active");
    return *finestra;
}

} // namespace brivetta::test
