// The assistant's controls: four pages in the tab control RegisterFeld, each with the bar
// "Programm beenden" along its bottom edge.

#include <QAbstractItemView>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "TAssistent.h"
#include "assistant/TEinstellungsseite.h"
#include "assistant/logik/Vorlagenliste.h"

namespace {
constexpr int Breite = 634;
constexpr int Hoehe = 554;
constexpr int Spalte_Knoepfe = 170;
// The largest format preview, A3 at 2.5 mm a pixel, with room around it.
constexpr int Vorschauflaeche = 190;

QPushButton* Knopf(const char* name, const QString& text, const QString& hinweis, QWidget* eltern) {
    auto* knopf = new QPushButton(text, eltern);
    knopf->setObjectName(QLatin1String(name));
    knopf->setAccessibleName(text);
    knopf->setToolTip(hinweis);
    return knopf;
}

QLabel* Beschriftung(const QString& text, QWidget* fuer, QWidget* eltern) {
    auto* label = new QLabel(text, eltern);
    label->setAccessibleName(text);
    label->setBuddy(fuer);
    fuer->setAccessibleName(text);
    return label;
}

QPlainTextEdit* Memo(const char* name, QWidget* eltern) {
    auto* memo = new QPlainTextEdit(eltern);
    memo->setObjectName(QLatin1String(name));
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    return memo;
}
}  // namespace

void TAssistent::Fenster_aufbauen() {
    setWindowTitle(QStringLiteral("PC-Tastrolix Assistent"));
    setObjectName(QStringLiteral("Assistent"));
    setFixedSize(Breite, Hoehe);

    RegisterFeld = new QTabWidget(this);
    RegisterFeld->setObjectName(QStringLiteral("RegisterFeld"));
    RegisterFeld->setAccessibleName(QStringLiteral("Register"));
    auto* rahmen = new QVBoxLayout(this);
    rahmen->setContentsMargins(4, 4, 4, 4);
    rahmen->addWidget(RegisterFeld);

    auto* vorlage_erstellen = new QWidget;
    vorlage_erstellen->setObjectName(QStringLiteral("Vorlage_erstellen_Inhalt"));
    Einstellungsseite = new TEinstellungsseite(z_, ton_, nullptr);

    const struct {
        const char* name;
        QString titel;
        QWidget* inhalt;
        const char* knopf;
    } seiten[] = {
        {"VorhandeneDokumente", QStringLiteral("Dokumente"), Seite_Dokumente(), "Button2"},
        {"NeueDokumente", QStringLiteral("Vorlagenverwaltung"), Seite_Vorlagenverwaltung(),
         "btAbbrechen"},
        {"VorlageErstellen", QStringLiteral("Vorlage erstellen"), vorlage_erstellen, "Button1"},
        {"Einstellungen", QStringLiteral("Einstellungen"), Einstellungsseite, "Button3"},
    };
    for (const auto& s : seiten) {
        QWidget* seite = Seite_mit_Leiste(s.inhalt, s.knopf);
        seite->setObjectName(QLatin1String(s.name));
        seite->setAccessibleName(s.titel);
        RegisterFeld->addTab(seite, s.titel);
    }
}

QWidget* TAssistent::Seite_mit_Leiste(QWidget* inhalt, const char* knopfname) {
    auto* seite = new QWidget;
    auto* spalte = new QVBoxLayout(seite);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    spalte->addWidget(inhalt, 1);

    auto* leiste = new QFrame(seite);
    leiste->setObjectName(QLatin1String(knopfname) + QStringLiteral("_Leiste"));
    leiste->setFrameShape(QFrame::StyledPanel);
    leiste->setFrameShadow(QFrame::Raised);
    auto* zeile = new QHBoxLayout(leiste);
    zeile->setContentsMargins(6, 6, 6, 6);
    auto* beenden = Knopf(knopfname, QStringLiteral("Programm beenden"), QString(), leiste);
    connect(beenden, &QPushButton::clicked, this, &TAssistent::btAbbrechenClick);
    zeile->addWidget(beenden);
    zeile->addStretch(1);
    spalte->addWidget(leiste);
    return seite;
}

QComboBox* TAssistent::Vorlagenwahl(const char* name) {
    auto* box = new QComboBox;
    box->setObjectName(QLatin1String(name));
    box->setEditable(false);
    box->setMaxVisibleItems(10);
    box->addItem(Standardvorlage);
    // Typing opens the list at once.
    box->installEventFilter(this);
    return box;
}

QWidget* TAssistent::Seite_Dokumente() {
    auto* seite = new QWidget;
    auto* raster = new QHBoxLayout(seite);

    Pfad_Liste = new QTreeWidget(seite);
    Pfad_Liste->setObjectName(QStringLiteral("Pfad_Liste"));
    Pfad_Liste->setAccessibleName(QStringLiteral("Dokumente und Ordner"));
    Pfad_Liste->setHeaderHidden(true);
    Pfad_Liste->setColumnCount(1);
    Pfad_Liste->setIndentation(21);
    Pfad_Liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Pfad_Liste->setSelectionMode(QAbstractItemView::SingleSelection);
    Pfad_Liste->setMouseTracking(true);
    Pfad_Liste->setAttribute(Qt::WA_Hover);
    raster->addWidget(Pfad_Liste, 1);

    auto* knoepfe = new QVBoxLayout;
    Vorlagen_Box2 = Vorlagenwahl("Vorlagen_Box2");
    knoepfe->addWidget(Beschriftung(QStringLiteral("Vorlage"), Vorlagen_Box2, seite));
    knoepfe->addWidget(Vorlagen_Box2);
    knoepfe->addSpacing(6);
    Dokument_neu = Knopf("Dokument_neu", QStringLiteral("Neues Dokument"), QString(), seite);
    Neuer_Ordner = Knopf("Neuer_Ordner", QStringLiteral("Neuer Ordner"),
                         QStringLiteral("Ein neuner Ordner wird angelegt."), seite);
    Dokument_laden = Knopf("Dokument_laden", QStringLiteral("Dokument laden"),
                           QStringLiteral("Das gewählte Dokument wird geladen."), seite);
    Umbenennen = Knopf("Umbenennen", QStringLiteral("Umbenennen"),
                       QStringLiteral("Das gewählte Dokument oder der gewählte Ordner wird "
                                      "umbenannt."),
                       seite);
    Dokument_kopieren = Knopf("Dokument_kopieren", QStringLiteral("Dokument kopieren"),
                              QStringLiteral("Das gewählte Dokument wird kopiert."), seite);
    Dokument_einfuegen =
        Knopf("Dokument_einfuegen", QStringLiteral("Dokument einfügen"),
              QStringLiteral("Ein vorher kopiertes Dokument kann nun in einen anderen Ordner "
                             "eingefügt werden."),
              seite);
    Loeschen = Knopf("Loeschen", QStringLiteral("Löschen"),
                     QStringLiteral("Der gewählte Ordner oder das gewählte Dokument können "
                                    "gelöscht werden."),
                     seite);
    for (QPushButton* knopf : {Dokument_neu, Neuer_Ordner, Dokument_laden, Umbenennen,
                               Dokument_kopieren, Dokument_einfuegen}) {
        knoepfe->addWidget(knopf);
    }
    for (QPushButton* knopf :
         {Dokument_laden, Umbenennen, Dokument_kopieren, Dokument_einfuegen, Loeschen}) {
        knopf->setEnabled(false);
    }

    Label24 = new QLabel(QStringLiteral("Sie haben das Dokument..."), seite);
    Label24->setObjectName(QStringLiteral("Label24"));
    Label24->setAccessibleName(Label24->text());
    Label24->setWordWrap(true);
    QPalette rot = Label24->palette();
    rot.setColor(QPalette::WindowText, QColor(255, 0, 0));
    Label24->setPalette(rot);
    Label24->installEventFilter(this);
    Label24->hide();
    knoepfe->addSpacing(6);
    knoepfe->addWidget(Label24);
    knoepfe->addStretch(1);
    knoepfe->addWidget(Loeschen);

    auto* spalte = new QWidget(seite);
    spalte->setFixedWidth(Spalte_Knoepfe);
    spalte->setLayout(knoepfe);
    knoepfe->setContentsMargins(0, 0, 0, 0);
    raster->addWidget(spalte);
    return seite;
}

QWidget* TAssistent::Seite_Vorlagenverwaltung() {
    auto* seite = new QWidget;
    auto* raster = new QGridLayout(seite);
    raster->setHorizontalSpacing(16);

    Vorlagen_Box = Vorlagenwahl("Vorlagen_Box");
    auto* wahl = new QHBoxLayout;
    wahl->addWidget(Beschriftung(QStringLiteral("Vorlagenliste"), Vorlagen_Box, seite));
    wahl->addWidget(Vorlagen_Box, 1);
    raster->addLayout(wahl, 0, 0);

    // The description: grey fixed-pitch text on the button face.
    Memo1 = Memo("Memo1", seite);
    QFont fest(QStringLiteral("Courier New"));
    fest.setPointSize(10);
    Memo1->setFont(fest);
    QPalette grau = Memo1->palette();
    grau.setColor(QPalette::Base, grau.color(QPalette::Button));
    grau.setColor(QPalette::Text, QColor(128, 128, 128));
    Memo1->setPalette(grau);
    Memo1->setFixedHeight(250);
    raster->addWidget(Beschriftung(QStringLiteral("gewählte Vorlage"), Memo1, seite), 1, 0);
    raster->addWidget(Memo1, 2, 0);

    // The format preview: a plain panel as large as the paper at 2.5 mm a pixel.
    auto* flaeche = new QWidget(seite);
    flaeche->setFixedSize(Vorschauflaeche, Vorschauflaeche);
    ShowPanel = new QFrame(flaeche);
    ShowPanel->setObjectName(QStringLiteral("ShowPanel"));
    ShowPanel->setFrameShape(QFrame::Box);
    ShowPanel->setAutoFillBackground(true);
    QPalette weiss = ShowPanel->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    ShowPanel->setPalette(weiss);
    auto* mitte = new QGridLayout(flaeche);
    mitte->addWidget(ShowPanel, 0, 0, Qt::AlignCenter);
    raster->addWidget(Beschriftung(QStringLiteral("Formatvorschau"), ShowPanel, seite), 1, 1);
    raster->addWidget(flaeche, 2, 1, Qt::AlignTop);

    // The font preview: white, without a border.
    Memo2 = Memo("Memo2", seite);
    Memo2->setFrameShape(QFrame::NoFrame);
    QPalette papier = Memo2->palette();
    papier.setColor(QPalette::Base, Qt::white);
    papier.setColor(QPalette::Text, Qt::black);
    Memo2->setPalette(papier);
    QFont vorschau = Memo2->font();
    vorschau.setPointSize(12);
    Memo2->setFont(vorschau);
    Memo2->setFixedHeight(80);
    raster->addWidget(Beschriftung(QStringLiteral("Zeichensatzvorschau"), Memo2, seite), 3, 0);
    raster->addWidget(Memo2, 4, 0);

    // The way back to the interim saves of a run that did not end normally.
    btFehlerbehebung = new QPushButton(QStringLiteral("Fehlerbehandlung"), seite);
    btFehlerbehebung->setObjectName(QStringLiteral("btFehlerbehebung"));
    btFehlerbehebung->setAccessibleName(btFehlerbehebung->text());
    QFont panelschrift(QStringLiteral("Courier New"));
    panelschrift.setPixelSize(16);
    btFehlerbehebung->setFont(panelschrift);
    btFehlerbehebung->setStyleSheet(
        QStringLiteral("QPushButton { background-color: rgb(166, 202, 240); color: black;"
                       " border: 2px outset rgb(200, 225, 250); padding: 10px; }"
                       "QPushButton:pressed { border-style: inset; }"));
    btFehlerbehebung->hide();
    raster->addWidget(btFehlerbehebung, 4, 1, Qt::AlignCenter);

    raster->setRowStretch(5, 1);
    raster->setColumnStretch(0, 1);
    return seite;
}

void TAssistent::Verbinden() {
    connect(RegisterFeld, &QTabWidget::currentChanged, this, &TAssistent::RegisterFeldChange);
    connect(Vorlagen_Box, &QComboBox::currentIndexChanged, this, &TAssistent::Vorlagen_BoxChange);
    connect(Dokument_neu, &QPushButton::clicked, this, &TAssistent::SpeedButton2Click);
    connect(btFehlerbehebung, &QPushButton::clicked, this, &TAssistent::btFehlerbehebungClick);
    connect(Pfad_Liste, &QTreeWidget::itemSelectionChanged, this, &TAssistent::Pfad_ListeChange);
    connect(Pfad_Liste->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TAssistent::Zweig_oeffnen);
    connect(Pfad_Liste, &QTreeWidget::itemDoubleClicked, this, &TAssistent::Pfad_ListeDblClick);
    connect(Dokument_laden, &QPushButton::clicked, this, &TAssistent::Dokument_ladenClick);
    connect(Neuer_Ordner, &QPushButton::clicked, this, &TAssistent::Neuer_OrdnerClick);
    connect(Umbenennen, &QPushButton::clicked, this, &TAssistent::UmbenennenClick);
    connect(Dokument_kopieren, &QPushButton::clicked, this, &TAssistent::Dokument_kopierenClick);
    connect(Dokument_einfuegen, &QPushButton::clicked, this, &TAssistent::Dokument_einfuegenClick);
    connect(Loeschen, &QPushButton::clicked, this, &TAssistent::LoeschenClick);
}

bool TAssistent::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == Label24 && ereignis->type() == QEvent::MouseButtonRelease) {
        Label24Click();
        return true;
    }
    auto* box = qobject_cast<QComboBox*>(objekt);
    if (box && ereignis->type() == QEvent::KeyPress && !box->view()->isVisible()) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (!taste->text().isEmpty() && taste->text().front().isPrint()) {
            box->showPopup();
            // The typed character already searches the opened list.
            box->view()->keyboardSearch(taste->text());
            return true;
        }
    }
    return QWidget::eventFilter(objekt, ereignis);
}
