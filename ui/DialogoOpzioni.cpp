#include "DialogoOpzioni.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>

#include "FinestraTavolo.h"
#include "Immagine.h"
#include "FileImpostazioni.h"
#include "InsiemiCarte.h"
#include "Tavolo.h"
#include "Twips.h"

namespace brivetta {

namespace {
// Layout in twips, inside a client area of 6240 x 5295.
constexpr int LarghezzaCliente = 6240;
constexpr int AltezzaCliente = 5295;
constexpr int Margine = 60;
constexpr int LarghezzaFrame = LarghezzaCliente - 2 * Margine;

constexpr int AltoFrameNome = 30;
constexpr int AltezzaFrameNome = 660;
constexpr int LatoDecoro = 480;
constexpr int SinistraEtichettaNome = 2520;
constexpr int SinistraNome = 4080;
constexpr int LarghezzaNome = 1800;
constexpr int AltezzaNome = 345;

constexpr int AltoFramePersonaggio = 750;
constexpr int AltezzaFramePersonaggio = 1320;
constexpr int LatoPersonaggio = 510;
constexpr int PassoPersonaggio = 735;
constexpr int SinistraPersonaggio = 285;
constexpr int AltoPersonaggio = 300;
constexpr int AltoOpzione = 855;

constexpr int AltoFrameBasso = 2130;
constexpr int AltezzaFrameBasso = 2400;
constexpr int LarghezzaSettaggi = 3960;
constexpr int SinistraCarte = Margine + LarghezzaSettaggi + Margine;
constexpr int LarghezzaCarte = LarghezzaCliente - Margine - SinistraCarte;
constexpr int AltoSpunta = 300;
constexpr int AltoPrimaRiga = 870;
constexpr int PassoRiga = 480;
constexpr int LarghezzaDidascalia = 1440;
constexpr int LarghezzaValore = 600;
constexpr int AltezzaValore = 300;
constexpr int SinistraBarra = 2220;
constexpr int LarghezzaBarra = 1590;
constexpr int AltezzaBarraValore = 255;

constexpr int AltoBottoni = 4620;
constexpr int LarghezzaBottone = 1815;
constexpr int AltezzaBottone = 555;
constexpr int SinistraOk = 660;
constexpr int SinistraAnnulla = LarghezzaCliente - SinistraOk - LarghezzaBottone;
constexpr int LatoIconaBottone = 24;

const std::array<const char*, DialogoOpzioni::NumPersonaggi> NomiPersonaggi = {
    "Raimondo",     "Ottavio", "Beatrice", "Rosina",
    "Uomo baffuto", "Bambino", "Bambina",  "Donna (Zarina)"};

// The table keeps each character's smiling face at 12 + 2i and its frowning face next to it.
constexpr int PrimaFacciaPersonaggio = 12;

QRect Twips(int sinistra, int alto, int larghezza, int altezza) {
    return {Px(sinistra), Px(alto), Px(larghezza), Px(altezza)};
}

// The first `n` characters of a text, never splitting a character written as two units.
QString Primi(const QString& testo, int n) {
    if (testo.size() <= n) return testo;
    if (n > 0 && testo.at(n - 1).isHighSurrogate()) --n;
    return testo.left(n);
}

QLabel* EtichettaValore(QWidget* genitore, QRect dove) {
    auto* l = new QLabel(genitore);
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(QStringLiteral("QLabel { background-color: rgb(255,255,0); color: black; "
                                    "border: 1px solid black; }"));
    l->setGeometry(dove);
    return l;
}

QScrollBar* Barra(QWidget* genitore, int minimo, int massimo, int piccolo, int grande, QRect dove) {
    auto* b = new QScrollBar(Qt::Horizontal, genitore);
    b->setRange(minimo, massimo);
    b->setSingleStep(piccolo);
    b->setPageStep(grande);
    b->setFocusPolicy(Qt::TabFocus);
    b->setGeometry(dove);
    return b;
}
} // namespace

DialogoOpzioni::DialogoOpzioni(FinestraTavolo& tavolo) : QDialog(&tavolo), tavolo_(tavolo) {
    setWindowTitle(QStringLiteral("Brivetta 2002 - Opzioni"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(CarattereTavolo(false));
    CreaControlli();
    Form_Load();
}

void DialogoOpzioni::CreaControlli() {
    setFixedSize(Px(LarghezzaCliente), Px(AltezzaCliente));

    auto* frameNome = new QGroupBox(this);
    frameNome->setGeometry(Twips(Margine, AltoFrameNome, LarghezzaFrame, AltezzaFrameNome));
    auto* decoro = new Immagine(frameNome);
    decoro->ImpostaImmagine(QPixmap(QStringLiteral(":/immagini/decoro@2x.png")));
    decoro->setGeometry(
        Twips(Margine * 2, (AltezzaFrameNome - LatoDecoro) / 2, LatoDecoro, LatoDecoro));
    auto* etichettaNome = new QLabel(QStringLiteral("Nome giocatore : "), frameNome);
    etichettaNome->setGeometry(Twips(SinistraEtichettaNome, (AltezzaFrameNome - AltezzaNome) / 2,
                                     SinistraNome - SinistraEtichettaNome, AltezzaNome));
    etichettaNome->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    text1_ = new QLineEdit(frameNome);
    QFont grassetto = font();
    grassetto.setBold(true);
    text1_->setFont(grassetto);
    text1_->setMaxLength(LunghezzaNome);
    text1_->setGeometry(
        Twips(SinistraNome, (AltezzaFrameNome - AltezzaNome) / 2, LarghezzaNome, AltezzaNome));
    text1_->setAccessibleName(QStringLiteral("Nome giocatore"));
    etichettaNome->setBuddy(text1_);
    text1_->installEventFilter(this);

    auto* framePersonaggio = new QGroupBox(QStringLiteral("Personaggio"), this);
    framePersonaggio->setGeometry(
        Twips(Margine, AltoFramePersonaggio, LarghezzaFrame, AltezzaFramePersonaggio));
    personaggi_ = new QButtonGroup(this);
    for (int i = 0; i < NumPersonaggi; ++i) {
        const QString nome = QString::fromUtf8(NomiPersonaggi[i]);
        const int sinistra = SinistraPersonaggio + PassoPersonaggio * i;
        auto* figura = new Immagine(framePersonaggio);
        figura->setGeometry(Twips(sinistra, AltoPersonaggio, LatoPersonaggio, LatoPersonaggio));
        figura->setToolTip(nome);
        figura->setAccessibleName(nome);
        figura->setCursor(Qt::PointingHandCursor);
        figura->installEventFilter(this);
        picture3_[i] = figura;
        auto* opzione = new QRadioButton(framePersonaggio);
        // The round indicator centred under its picture.
        const QSize indicatore = opzione->sizeHint();
        opzione->setGeometry(Px(sinistra + LatoPersonaggio / 2) - indicatore.width() / 2,
                             Px(AltoOpzione), indicatore.width(), indicatore.height());
        opzione->setToolTip(nome);
        opzione->setAccessibleName(nome);
        personaggi_->addButton(opzione, i);
        option3d1_[i] = opzione;
    }

    auto* settaggi = new QGroupBox(QStringLiteral("Settaggi gioco"), this);
    settaggi->setGeometry(Twips(Margine, AltoFrameBasso, LarghezzaSettaggi, AltezzaFrameBasso));
    check3d1_ = new QCheckBox(QStringLiteral("Vincite raddoppiate con Brivetta reale"), settaggi);
    check3d1_->setGeometry(
        Twips(Margine * 2, AltoSpunta, LarghezzaSettaggi - 4 * Margine, AltezzaValore));
    const std::array<const char*, 3> didascalie = {"Malloppo iniziale", "Velocità carta",
                                                   "Bluff giocatori"};
    std::array<QLabel*, 3> valori{};
    std::array<QScrollBar*, 3> barre{};
    const std::array<std::array<int, 4>, 3> limiti = {{{40, 100, 10, 20}, // min, max, steps
                                                       {1, 100, 1, 20},
                                                       {1, 10, 1, 2}}};
    for (int r = 0; r < 3; ++r) {
        const int alto = AltoPrimaRiga + PassoRiga * r;
        auto* didascalia = new QLabel(QString::fromUtf8(didascalie[r]), settaggi);
        didascalia->setGeometry(Twips(Margine * 2, alto, LarghezzaDidascalia, AltezzaValore));
        valori[r] = EtichettaValore(settaggi, Twips(Margine * 2 + LarghezzaDidascalia, alto,
                                                    LarghezzaValore, AltezzaValore));
        barre[r] = Barra(settaggi, limiti[r][0], limiti[r][1], limiti[r][2], limiti[r][3],
                         Twips(SinistraBarra, alto + (AltezzaValore - AltezzaBarraValore) / 2,
                               LarghezzaBarra, AltezzaBarraValore));
        barre[r]->setAccessibleName(QString::fromUtf8(didascalie[r]));
    }
    label9_ = valori[0];
    hScroll3_ = barre[0];
    label3_ = valori[1];
    hScroll1_ = barre[1];
    label7_ = valori[2];
    hScroll2_ = barre[2];

    auto* frameCarte = new QGroupBox(QStringLiteral("Tipo di carte (dblclick)"), this);
    frameCarte->setGeometry(
        Twips(SinistraCarte, AltoFrameBasso, LarghezzaCarte, AltezzaFrameBasso));
    list1_ = new QListWidget(frameCarte);
    list1_->setGeometry(Twips(Margine * 2, AltoSpunta, LarghezzaCarte - 4 * Margine,
                              AltezzaFrameBasso - AltoSpunta - Margine * 2));
    list1_->setToolTip(QStringLiteral("Doppio click per cambiare tipo di carte"));
    list1_->setAccessibleName(QStringLiteral("Tipo di carte"));
    list1_->setSelectionMode(QAbstractItemView::SingleSelection);

    command3d1_ =
        new QPushButton(QIcon(QStringLiteral(":/immagini/ok.png")), QStringLiteral("&OK"), this);
    command3d2_ = new QPushButton(QIcon(QStringLiteral(":/immagini/annulla.png")),
                                  QStringLiteral("&Annulla"), this);
    command3d1_->setGeometry(Twips(SinistraOk, AltoBottoni, LarghezzaBottone, AltezzaBottone));
    command3d2_->setGeometry(Twips(SinistraAnnulla, AltoBottoni, LarghezzaBottone, AltezzaBottone));
    for (auto* b : {command3d1_, command3d2_})
        b->setIconSize(QSize(LatoIconaBottone, LatoIconaBottone));
    // Enter anywhere in the dialog confirms; Escape (QDialog's own) cancels.
    command3d1_->setDefault(true);
}

void DialogoOpzioni::Form_Load() {
    const StatoTavolo& s = tavolo_.Stato();
    text1_->setText(Primi(QString::fromStdString(s.Nomi[1]), LunghezzaNome));
    hScroll1_->setValue(s.VelocitaCarta);
    label3_->setNum(s.VelocitaCarta);

    const QScreen* schermo = tavolo_.screen();
    if (schermo) {
        const QRect area = schermo->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }

    hScroll2_->setValue(s.Bluff);
    hScroll3_->setValue(s.MalloppoIniziale);
    label7_->setNum(s.Bluff);
    label9_->setText(QString::number(s.MalloppoIniziale) + QStringLiteral("€"));
    tavolo_.Stato().MalloppoPrecedente = s.MalloppoIniziale;
    for (int i = 0; i < NumPersonaggi; ++i)
        picture3_[i]->ImpostaImmagine(tavolo_.ImmagineFaccia(PrimaFacciaPersonaggio + 2 * i));
    if (s.Personaggio >= 0 && s.Personaggio < NumPersonaggi)
        option3d1_[s.Personaggio]->setChecked(true);
    check3d1_->setChecked(s.VincitaDoppia == 1);

    // The value labels follow the bars; every change gives the name box its focus back.
    connect(hScroll1_, &QScrollBar::valueChanged, this, [this](int v) {
        label3_->setNum(v);
        FuocoSulNome();
    });
    connect(hScroll2_, &QScrollBar::valueChanged, this, [this](int v) {
        label7_->setNum(v);
        FuocoSulNome();
    });
    connect(hScroll3_, &QScrollBar::valueChanged, this, [this](int v) {
        label9_->setText(QString::number(v) + QStringLiteral("€"));
        FuocoSulNome();
    });
    connect(check3d1_, &QCheckBox::clicked, this, [this] { FuocoSulNome(); });
    connect(list1_, &QListWidget::itemDoubleClicked, this, [this] { List1_DblClick(); });
    connect(command3d1_, &QPushButton::clicked, this, &DialogoOpzioni::Command3d1_Click);
    connect(command3d2_, &QPushButton::clicked, this, &DialogoOpzioni::Command3d2_Click);
}

void DialogoOpzioni::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (!evento->spontaneous()) Form_Activate();
}

void DialogoOpzioni::Form_Activate() {
    text1_->setFocus(Qt::OtherFocusReason);
    ElencaMazzi();
}

namespace {
// Every extension-less entry of the program's folder may be a set, but the program itself,
// which has no extension on this system, is not one.
std::vector<std::string> MazziInstallati() {
    std::vector<std::string> mazzi = brivetta::ElencaMazzi();
    const QByteArray programma =
        QFile::encodeName(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    std::erase(mazzi, programma.toStdString());
    return mazzi;
}
} // namespace

void DialogoOpzioni::ElencaMazzi() {
    list1_->clear();
    const std::vector<std::string> mazzi = MazziInstallati();
    for (const std::string& nome : mazzi) {
        const QByteArray byte(nome.data(), static_cast<qsizetype>(nome.size()));
        auto* voce = new QListWidgetItem(QFile::decodeName(byte), list1_);
        voce->setData(Qt::UserRole, byte); // the folder's own bytes, whatever they show as
    }
    const int scelto = IndiceMazzo(mazzi, tavolo_.Stato().Carte);
    if (scelto >= 0) {
        list1_->setCurrentRow(scelto);
        list1_->scrollToItem(list1_->item(scelto));
    }
}

void DialogoOpzioni::FuocoSulNome() {
    // Before the dialog is shown there is nothing to focus; that is not an error.
    if (isVisible()) text1_->setFocus(Qt::OtherFocusReason);
}

bool DialogoOpzioni::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == text1_ && evento->type() == QEvent::FocusIn) {
        // Typing replaces the whole name.
        text1_->selectAll();
    } else if (evento->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < NumPersonaggi; ++i)
            if (oggetto == picture3_[i]) Picture3_Click(i);
    }
    return QDialog::eventFilter(oggetto, evento);
}

void DialogoOpzioni::Picture3_Click(int i) {
    option3d1_[i]->setChecked(true);
}

void DialogoOpzioni::List1_DblClick() {
    const QList<QListWidgetItem*> scelti = list1_->selectedItems();
    if (scelti.isEmpty()) return;
    const QByteArray nome = scelti.front()->data(Qt::UserRole).toByteArray();
    StatoTavolo& s = tavolo_.Stato();
    s.Carte = nome.toStdString();
    // In force at once, whatever button closes the dialog.
    tavolo_.CaricaCarte();
    // After a failed set the default is in use: the list shows which.
    const int inUso = IndiceMazzo(MazziInstallati(), s.Carte);
    if (inUso >= 0 && inUso < list1_->count()) list1_->setCurrentRow(inUso);
}

QString DialogoOpzioni::NomeCapitalizzato(const QString& nome) {
    if (nome.isEmpty()) return nome;
    const int primo = nome.at(0).isHighSurrogate() && nome.size() > 1 ? 2 : 1;
    return nome.left(primo).toUpper() + nome.mid(primo).toLower();
}

void DialogoOpzioni::Command3d1_Click() {
    StatoTavolo& s = tavolo_.Stato();
    s.Nomi[1] = NomeCapitalizzato(text1_->text()).toStdString();
    // The label takes the new name now; its place is worked out at the next redraw.
    tavolo_.Vista().Label4.Testo = s.Nomi[1];
    s.VelocitaCarta = static_cast<Intero>(hScroll1_->value());
    s.Bluff = static_cast<Intero>(hScroll2_->value());
    s.MalloppoIniziale = static_cast<Intero>(hScroll3_->value());
    const int scelto = personaggi_->checkedId();
    if (scelto >= 0) {
        s.Personaggio = static_cast<Intero>(scelto);
        tavolo_.CopiaAvatar();
    }
    s.VincitaDoppia = check3d1_->isChecked() ? 1 : 0;
    SalvaImpostazioni(s);
    tavolo_.Rinfresca();
    accept();
}

void DialogoOpzioni::Command3d2_Click() {
    reject();
}

} // namespace brivetta
