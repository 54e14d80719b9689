#include "DialogoOpzioni.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "Aspetto.h"
#include "Immagine.h"
#include "InsiemiCarte.h"
#include "UscitaAudio.h"

namespace brivetta {

namespace {
constexpr int LatoDecoro = 32;
constexpr int LarghezzaNome = 120;
constexpr int LatoFigura = 34;
constexpr int SpazioFigure = 15;
constexpr int LarghezzaValore = 40;
constexpr int AltezzaValore = 20;
constexpr int LarghezzaBarra = 106;
constexpr int SpessoreFuoco = 2;
constexpr int LarghezzaMazzi = 130;
constexpr int LarghezzaBottone = 110;

const std::array<const char*, DialogoOpzioni::NumPersonaggi> NomiPersonaggi = {
    QT_TRANSLATE_NOOP("brivetta::DialogoOpzioni", "Raimondo"),
    QT_TRANSLATE_NOOP("brivetta::DialogoOpzioni", "Ottavio"),
    QT_TRANSLATE_NOOP("brivetta::DialogoOpzioni", "Beatrice"),
    QT_TRANSLATE_NOOP("brivetta::DialogoOpzioni", "Rosina"),
    QT_TRANSLATE_NOOP("brivetta::DialogoOpzioni", "Uomo baffuto"),
    QT_TRANSLATE_NOOP("brivetta::DialogoOpzioni", "Bambino"),
    QT_TRANSLATE_NOOP("brivetta::DialogoOpzioni", "Bambina"),
    QT_TRANSLATE_NOOP("brivetta::DialogoOpzioni", "Donna (Zarina)"),
};

// A scroll bar that runs the way its value does: Right, Up, Page Up and End raise it. It shows
// a focus mark, and tells whether the change it is making comes from a key.
class BarraOpzione : public QScrollBar {
  public:
    BarraOpzione(int minimo, int massimo, int piccolo, int grande, QWidget* parent)
        : QScrollBar(Qt::Horizontal, parent) {
        setRange(minimo, massimo);
        setSingleStep(piccolo);
        setPageStep(grande);
        // Scroll bars move against their keys by default, as if they scrolled a page.
        setInvertedControls(false);
        setFocusPolicy(Qt::TabFocus);
        setMinimumWidth(LarghezzaBarra);
    }
    bool DaTastiera() const { return daTastiera_; }

  protected:
    void keyPressEvent(QKeyEvent* evento) override {
        daTastiera_ = true;
        QScrollBar::keyPressEvent(evento);
        daTastiera_ = false;
    }
    void paintEvent(QPaintEvent* evento) override {
        QScrollBar::paintEvent(evento);
        if (!hasFocus()) return;
        // The style's own focus rectangle is too faint on a scroll bar: an outline in the
        // highlight colour, as the name box gets.
        QPainter pittore(this);
        pittore.setPen(QPen(palette().color(QPalette::Highlight), SpessoreFuoco));
        pittore.drawRect(QRectF(rect()).adjusted(SpessoreFuoco / 2.0, SpessoreFuoco / 2.0,
                                                 -SpessoreFuoco / 2.0, -SpessoreFuoco / 2.0));
    }

  private:
    bool daTastiera_ = false;
};

// The first `n` characters of a text, never splitting a character written as two units.
QString Primi(const QString& testo, int n) {
    if (testo.size() <= n) return testo;
    if (n > 0 && testo.at(n - 1).isHighSurrogate()) --n;
    return testo.left(n);
}

QLabel* EtichettaValore() {
    auto* l = new QLabel;
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(QStringLiteral("QLabel { background-color: rgb(255,255,0); color: black; "
                                    "border: 1px solid black; }"));
    l->setFixedSize(LarghezzaValore, AltezzaValore);
    return l;
}

QString TestoMalloppo(int valore) {
    return QString::number(valore) + QStringLiteral("€");
}

// Every extension-less entry of the program's folder may be a set, but the game and its sound
// program, which have no extension on this system, are not.
std::vector<std::string> MazziInstallati() {
    std::vector<std::string> mazzi = brivetta::ElencaMazzi();
    const QByteArray programma =
        QFile::encodeName(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    std::erase(mazzi, programma.toStdString());
    std::erase(mazzi, std::string(ProgrammaSuono));
    return mazzi;
}
} // namespace

DialogoOpzioni::DialogoOpzioni(const Impostazioni& attuali,
                               std::function<QPixmap(int personaggio)> figura, QWidget* parent)
    : QDialog(parent), attuali_(attuali) {
    CaricaRisorse();
    setWindowTitle(tr("%1 - Opzioni").arg(TitoloGioco));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(CarattereTavolo(false));

    // Created in the order the Tab key visits them.
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(CreaNome());
    colonna->addWidget(CreaPersonaggi(figura));
    auto* basso = new QHBoxLayout;
    basso->addWidget(CreaSettaggi(), 1);
    basso->addWidget(CreaMazzi());
    colonna->addLayout(basso);
    colonna->addWidget(CreaBottoni());
    colonna->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();

    Mostra(attuali);
    ElencaMazzi();
    nome_->setFocus(Qt::OtherFocusReason);
}

QWidget* DialogoOpzioni::CreaNome() {
    auto* riquadro = new QGroupBox;
    auto* riga = new QHBoxLayout(riquadro);
    auto* decoro = new Immagine;
    decoro->ImpostaImmagine(QPixmap(QStringLiteral(":/immagini/decoro@2x.png")));
    decoro->setFixedSize(LatoDecoro, LatoDecoro);
    riga->addWidget(decoro);
    riga->addStretch();
    auto* etichetta = new QLabel(tr("Nome giocatore : "));
    riga->addWidget(etichetta);
    nome_ = new QLineEdit;
    QFont grassetto = font();
    grassetto.setBold(true);
    nome_->setFont(grassetto);
    nome_->setMaxLength(LunghezzaNome);
    nome_->setFixedWidth(LarghezzaNome);
    nome_->setAccessibleName(tr("Nome giocatore"));
    etichetta->setBuddy(nome_);
    nome_->installEventFilter(this);
    riga->addWidget(nome_);
    return riquadro;
}

QWidget* DialogoOpzioni::CreaPersonaggi(const std::function<QPixmap(int)>& figura) {
    auto* riquadro = new QGroupBox(tr("Personaggio"));
    auto* griglia = new QGridLayout(riquadro);
    griglia->setHorizontalSpacing(SpazioFigure);
    gruppoPersonaggi_ = new QButtonGroup(this);
    for (int i = 0; i < NumPersonaggi; ++i) {
        const QString nome = tr(NomiPersonaggi[i]);
        auto* immagine = new Immagine;
        immagine->ImpostaImmagine(figura(i));
        immagine->setFixedSize(LatoFigura, LatoFigura);
        immagine->setToolTip(nome);
        immagine->setAccessibleName(nome);
        immagine->setCursor(Qt::PointingHandCursor);
        immagine->installEventFilter(this);
        figure_[i] = immagine;
        auto* opzione = new QRadioButton;
        opzione->setToolTip(nome);
        opzione->setAccessibleName(nome);
        gruppoPersonaggi_->addButton(opzione, i);
        personaggi_[i] = opzione;
        griglia->addWidget(immagine, 0, i, Qt::AlignCenter);
        griglia->addWidget(opzione, 1, i, Qt::AlignCenter);
    }
    return riquadro;
}

QWidget* DialogoOpzioni::CreaSettaggi() {
    auto* riquadro = new QGroupBox(tr("Settaggi gioco"));
    auto* griglia = new QGridLayout(riquadro);
    vincitaDoppia_ = new QCheckBox(tr("Vincite raddoppiate con Brivetta reale"));
    griglia->addWidget(vincitaDoppia_, 0, 0, 1, 3);

    struct Riga {
        const char* didascalia;
        int minimo, massimo, piccolo, grande;
        QScrollBar*& barra;
        QLabel*& valore;
    };
    const std::array<Riga, 3> righe = {{
        {QT_TR_NOOP("Malloppo iniziale"), 40, 100, 10, 20, malloppo_, valoreMalloppo_},
        {QT_TR_NOOP("Velocità carta"), 1, 100, 1, 20, velocita_, valoreVelocita_},
        {QT_TR_NOOP("Bluff giocatori"), 1, 10, 1, 2, bluff_, valoreBluff_},
    }};
    for (int r = 0; r < static_cast<int>(righe.size()); ++r) {
        const Riga& riga = righe[r];
        const QString didascalia = tr(riga.didascalia);
        auto* barra =
            new BarraOpzione(riga.minimo, riga.massimo, riga.piccolo, riga.grande, riquadro);
        barra->setAccessibleName(didascalia);
        riga.barra = barra;
        riga.valore = EtichettaValore();
        griglia->addWidget(new QLabel(didascalia), r + 1, 0);
        griglia->addWidget(riga.valore, r + 1, 1);
        griglia->addWidget(barra, r + 1, 2);
        // A change made with the mouse gives the name box its focus back; one made with the
        // keys leaves the focus on the bar, so that the next key moves it further.
        connect(barra, &QScrollBar::valueChanged, this, [this, barra] {
            if (!barra->DaTastiera()) FuocoSulNome();
        });
    }
    griglia->setColumnStretch(2, 1);
    return riquadro;
}

QWidget* DialogoOpzioni::CreaMazzi() {
    auto* riquadro = new QGroupBox(tr("Tipo di carte (dblclick)"));
    auto* colonna = new QVBoxLayout(riquadro);
    mazzi_ = new QListWidget;
    mazzi_->setToolTip(tr("Doppio click per cambiare tipo di carte"));
    mazzi_->setAccessibleName(tr("Tipo di carte"));
    mazzi_->setSelectionMode(QAbstractItemView::SingleSelection);
    mazzi_->setFixedWidth(LarghezzaMazzi);
    mazzi_->installEventFilter(this);
    connect(mazzi_, &QListWidget::itemDoubleClicked, this, &DialogoOpzioni::ScegliMazzo);
    colonna->addWidget(mazzi_);
    return riquadro;
}

QWidget* DialogoOpzioni::CreaBottoni() {
    auto* bottoni = new QDialogButtonBox(this);
    ok_ = BottoneDialogo(bottoni, tr("&OK"), QDialogButtonBox::AcceptRole,
                         QStringLiteral(":/immagini/ok.png"));
    annulla_ = BottoneDialogo(bottoni, tr("&Annulla"), QDialogButtonBox::RejectRole,
                              QStringLiteral(":/immagini/annulla.png"));
    for (auto* b : {ok_, annulla_})
        b->setMinimumWidth(LarghezzaBottone);
    bottoni->setCenterButtons(true);
    // Enter anywhere but in the set list confirms; Escape cancels.
    ok_->setDefault(true);
    connect(bottoni, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return bottoni;
}

void DialogoOpzioni::Mostra(const Impostazioni& attuali) {
    nome_->setText(Primi(QString::fromStdString(attuali.Nome), LunghezzaNome));
    malloppo_->setValue(attuali.MalloppoIniziale);
    velocita_->setValue(attuali.VelocitaCarta);
    bluff_->setValue(attuali.Bluff);
    valoreMalloppo_->setText(TestoMalloppo(malloppo_->value()));
    valoreVelocita_->setNum(velocita_->value());
    valoreBluff_->setNum(bluff_->value());
    if (attuali.Personaggio >= 0 && attuali.Personaggio < NumPersonaggi)
        personaggi_[attuali.Personaggio]->setChecked(true);
    vincitaDoppia_->setChecked(attuali.VincitaDoppia == 1);
    FermataPersonaggi();
    connect(gruppoPersonaggi_, &QButtonGroup::idToggled, this, &DialogoOpzioni::FermataPersonaggi);

    // The value labels follow the bars.
    connect(malloppo_, &QScrollBar::valueChanged, this,
            [this](int v) { valoreMalloppo_->setText(TestoMalloppo(v)); });
    connect(velocita_, &QScrollBar::valueChanged, valoreVelocita_, qOverload<int>(&QLabel::setNum));
    connect(bluff_, &QScrollBar::valueChanged, valoreBluff_, qOverload<int>(&QLabel::setNum));
    connect(vincitaDoppia_, &QCheckBox::clicked, this, &DialogoOpzioni::FuocoSulNome);
}

void DialogoOpzioni::FermataPersonaggi() {
    // The row of characters is one stop of the Tab key, at the chosen one; the arrow keys move
    // along the row.
    const int scelto = std::max(0, gruppoPersonaggi_->checkedId());
    for (int i = 0; i < NumPersonaggi; ++i)
        personaggi_[i]->setFocusPolicy(i == scelto ? Qt::StrongFocus : Qt::ClickFocus);
}

void DialogoOpzioni::ElencaMazzi() {
    mazzi_->clear();
    elenco_ = MazziInstallati();
    for (const std::string& nome : elenco_) {
        const QByteArray byte(nome.data(), static_cast<qsizetype>(nome.size()));
        auto* voce = new QListWidgetItem(QFile::decodeName(byte), mazzi_);
        voce->setData(Qt::UserRole, byte); // the folder's own bytes, whatever they show as
    }
    MostraMazzoInUso(attuali_.Carte);
}

void DialogoOpzioni::MostraMazzoInUso(const std::string& carte) {
    attuali_.Carte = carte;
    const int riga = IndiceMazzo(elenco_, carte);
    mazzi_->setCurrentRow(riga);
    if (riga >= 0) mazzi_->scrollToItem(mazzi_->item(riga));
}

void DialogoOpzioni::ScegliMazzo() {
    const QList<QListWidgetItem*> scelti = mazzi_->selectedItems();
    if (scelti.isEmpty()) return;
    emit mazzoScelto(scelti.front()->data(Qt::UserRole).toByteArray());
}

void DialogoOpzioni::FuocoSulNome() {
    // Before the dialog is shown there is nothing to focus; that is not an error.
    if (isVisible()) nome_->setFocus(Qt::OtherFocusReason);
}

bool DialogoOpzioni::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == nome_ && evento->type() == QEvent::FocusIn) {
        // Typing replaces the whole name.
        nome_->selectAll();
    } else if (oggetto == mazzi_ && evento->type() == QEvent::KeyPress) {
        const int tasto = static_cast<QKeyEvent*>(evento)->key();
        // Enter on the list chooses the set, as a double click does, and does not confirm.
        if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
            ScegliMazzo();
            return true;
        }
    } else if (evento->type() == QEvent::MouseButtonPress) {
        // A click on a character's picture chooses that character.
        for (int i = 0; i < NumPersonaggi; ++i)
            if (oggetto == figure_[i]) personaggi_[i]->setChecked(true);
    }
    return QDialog::eventFilter(oggetto, evento);
}

QString DialogoOpzioni::NomeCapitalizzato(const QString& nome) {
    if (nome.isEmpty()) return nome;
    const int primo = nome.at(0).isHighSurrogate() && nome.size() > 1 ? 2 : 1;
    return nome.left(primo).toUpper() + nome.mid(primo).toLower();
}

Impostazioni DialogoOpzioni::Scelte() const {
    Impostazioni scelte = attuali_;
    scelte.Nome = NomeCapitalizzato(nome_->text()).toStdString();
    scelte.MalloppoIniziale = static_cast<Intero>(malloppo_->value());
    scelte.VelocitaCarta = static_cast<Intero>(velocita_->value());
    scelte.Bluff = static_cast<Intero>(bluff_->value());
    // With no character chosen the one in use stays.
    if (gruppoPersonaggi_->checkedId() >= 0)
        scelte.Personaggio = static_cast<Intero>(gruppoPersonaggi_->checkedId());
    scelte.VincitaDoppia = vincitaDoppia_->isChecked() ? 1 : 0;
    return scelte;
}

} // namespace brivetta
