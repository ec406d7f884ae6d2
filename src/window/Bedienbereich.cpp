#include "Bedienbereich.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "Bilder.h"
#include "Statuspanel.h"
#include "model/Strukturen.h"

namespace {
enum class Art { Befehl, Umschalter };

struct Knopfdaten {
    const char* name;
    const char* hinweis;  // UTF-8
    Art art = Art::Befehl;
    const char* beschriftung = nullptr;
    bool gedrueckt = false;
    bool aktiv = true;
};

struct Paneldaten {
    const char* name;
    const char* ueberschrift;
    std::vector<Knopfdaten> knoepfe;
};

const std::vector<Paneldaten>& Panels() {
    static const std::vector<Paneldaten> panels{
        {"Panel_Farbe",
         "Farbe",
         {{"schwarz", "Farbband schwarz [STRG+1] ", Art::Umschalter, nullptr, true},
          {"blau", "Farbband blau [STRG+2] ", Art::Umschalter},
          {"rot", "Farbband rot [STRG+3] ", Art::Umschalter},
          {"gruen", "Farbband grün [STRG+4] ", Art::Umschalter},
          {"grau", "Farbband grau [STRG+5] ", Art::Umschalter},
          {"Orange", "Farbband orange [STRG+6] ", Art::Umschalter}}},
        {"Panel_Schriftschnitt",
         "Schriftschnitt",
         {{"Standard", "Schriftart Standard [STRG+F / STRG +K] ", Art::Umschalter, "Abc", true},
          {"Standardfett", "Schriftart Fett [STRG+F / STRG +K] ", Art::Umschalter, "Abc"},
          {"Standardkursiv", "Schriftart kursiv [STRG+F / STRG +K] ", Art::Umschalter, "Abc"},
          {"Fettkursiv", "Schriftart fett kursiv [STRG+F / STRG +K] ", Art::Umschalter, "Abc"}}},
        {"Panel_Markieren",
         "Markieren",
         {{"Markieren_Wort", "Wort markieren"},
          {"Markieren_zeile", "Zeile markieren"},
          {"Markieren_Absatz", "Absatz markieren"},
          {"Markieren_Seite", "Seite markieren"},
          {"Markierung_ausschalten", "Markierung zurücksetzen", Art::Befehl, nullptr, false,
           false}}},
        {"Panel_Bearbeiten",
         "Bearbeiten",
         {{"Markierung_formatieren", "Markierung formatieren", Art::Befehl, nullptr, false, false},
          {"Markierung_loeschen", "markierten Text löschen", Art::Befehl, nullptr, false, false},
          {"Drucken_Button", "Drucken"},
          {"Kopieren_Button", "markierten text kopieren", Art::Befehl, nullptr, false, false},
          {"Ausschneiden_Button", "markierten Text ausschneiden", Art::Befehl, nullptr, false,
           false},
          {"Einfuegen_Button", "markierten Text einfügen", Art::Befehl, nullptr, false, false}}},
        {"Panel_Zusatzfunktionen",
         "Extras",
         {{"SpeedButton2", "Leerzeichen einfügen [Strg+Leertaste]"},
          {"SpeedButton5", "Zeichen löschen [Strg+Entfernen]"},
          {"SpeedButton7", "Leerzeile einfügen [Strg+Enter]"},
          {"SpeedButton8", "Zeile löschen [Strg+Umschalt+Entfernen]"},
          {"Modus_Einfuegen_Button", "Modus \"Einfügen\" steuern", Art::Umschalter, "M"},
          {"SpeedButton6", "Export von Texten", Art::Umschalter, "TXT"}}},
        {"Panel_Datei",
         "Seite",
         {{"Seiten_plus_Button", "Seite hinzufügen..."},
          {"Seiten_minus_Button", "Aktuelle Seite entfernen..."},
          {"Seitenwechsel_minus", "Zurückblättern..."},
          {"Seitenwechsel_plus", "Weiterblättern..."}}},
        {"Panel_Seite",
         "Datei",
         {{"SpeicherButton", "Speichern..."},
          {"ZS_Laden_Button", "Zwischenspeicherung laden...", Art::Befehl, nullptr, false,
           false}}},
        {"Panel_Sound",
         "Sound",
         {{"soundan", "Tastenanschläge hörbar...", Art::Umschalter, nullptr, true},
          {"Soundaus", "Tastenanschläge aus...", Art::Umschalter}}},
    };
    return panels;
}

constexpr int Knopfgroesse = 33;
}  // namespace

Bedienbereich::Bedienbereich(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Bedienbereich"));
    setFixedHeight(133);

    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    auto* reihe = new QHBoxLayout;
    reihe->setContentsMargins(8, 4, 8, 4);
    reihe->setSpacing(8);
    spalte->addLayout(reihe, 1);
    status_ = new Statuspanel(this);
    spalte->addWidget(status_);

    for (const Paneldaten& daten : Panels()) {
        QWidget* panel = Panel_anlegen(daten.name, QString::fromUtf8(daten.ueberschrift));
        auto* gitter = static_cast<QGridLayout*>(panel->layout());
        const int spalten = static_cast<int>((daten.knoepfe.size() + 1) / 2);
        int i = 0;
        for (const Knopfdaten& k : daten.knoepfe) {
            auto* knopf = new QToolButton(panel);
            knopf->setObjectName(QLatin1String(k.name));
            const QString hinweis = QString::fromUtf8(k.hinweis);
            knopf->setToolTip(hinweis);
            knopf->setFixedSize(Knopfgroesse, Knopfgroesse);
            knopf->setIconSize(QSize(24, 24));
            knopf->setAutoRaise(true);
            knopf->setFocusPolicy(Qt::NoFocus);
            knopf->setCheckable(k.art == Art::Umschalter);
            knopf->setChecked(k.gedrueckt);
            knopf->setEnabled(k.aktiv);
            if (k.beschriftung) {
                knopf->setText(QLatin1String(k.beschriftung));
                knopf->setAccessibleName(k.beschriftung[0] == 'A' ? hinweis
                                                                  : knopf->text());
            } else {
                knopf->setIcon(Knopfbild(knopf->objectName()));
                knopf->setAccessibleName(hinweis);
            }
            gitter->addWidget(knopf, 1 + i / spalten, i % spalten);
            ++i;
        }
        reihe->addWidget(panel);
    }
    reihe->addStretch(1);

    // The four style captions show their style.
    auto stil = [this](const char* name, bool fett, bool kursiv) {
        QFont f = Knopf(name)->font();
        f.setBold(fett);
        f.setItalic(kursiv);
        Knopf(name)->setFont(f);
    };
    stil("Standardfett", true, false);
    stil("Standardkursiv", false, true);
    stil("Fettkursiv", true, true);

    auto* schnitt = new QButtonGroup(this);
    auto* sound = new QButtonGroup(this);
    for (const char* name : {"Standard", "Standardfett", "Standardkursiv", "Fettkursiv"}) {
        schnitt->addButton(Knopf(name));
        connect(Knopf(name), &QToolButton::toggled, this, &Bedienbereich::Auswahl_geaendert);
    }
    sound->addButton(Knopf("soundan"));
    sound->addButton(Knopf("Soundaus"));

    std::vector<QToolButton*> farbbaender;
    for (const char* name : {"schwarz", "blau", "rot", "gruen", "grau", "Orange"}) {
        farbbaender.push_back(Knopf(name));
        connect(Knopf(name), &QToolButton::toggled, this, &Bedienbereich::Auswahl_geaendert);
    }
    Hoechstens_einer(farbbaender);
    Hoechstens_einer({Knopf("Modus_Einfuegen_Button"), Knopf("SpeedButton6")});
}

QWidget* Bedienbereich::Panel_anlegen(const char* name, const QString& ueberschrift) {
    auto* panel = new QFrame(this);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Raised);
    auto* gitter = new QGridLayout(panel);
    gitter->setContentsMargins(4, 2, 4, 4);
    gitter->setSpacing(1);
    auto* kopf = new QLabel(ueberschrift, panel);
    kopf->setObjectName(QLatin1String(name) + QStringLiteral("_Ueberschrift"));
    QFont f = kopf->font();
    f.setPixelSize(11);
    kopf->setFont(f);
    QPalette grau = kopf->palette();
    grau.setColor(QPalette::WindowText, QColor(110, 110, 110));
    kopf->setPalette(grau);
    gitter->addWidget(kopf, 0, 0, 1, -1, Qt::AlignLeft);
    return panel;
}

void Bedienbereich::Hoechstens_einer(const std::vector<QToolButton*>& knoepfe) {
    for (QToolButton* knopf : knoepfe) {
        connect(knopf, &QToolButton::toggled, knopf, [knoepfe, knopf](bool unten) {
            if (!unten) return;
            for (QToolButton* anderer : knoepfe) {
                if (anderer != knopf) anderer->setChecked(false);
            }
        });
    }
}

QToolButton* Bedienbereich::Knopf(const char* name) const {
    return findChild<QToolButton*>(QLatin1String(name));
}

int Bedienbereich::Farbband() const {
    static constexpr std::pair<const char*, int> Knoepfe[]{
        {"schwarz", Farbindex::schwarz}, {"blau", Farbindex::blau},   {"rot", Farbindex::rot},
        {"gruen", Farbindex::gruen},     {"grau", Farbindex::grau},   {"Orange", Farbindex::Orange}};
    for (const auto& [name, index] : Knoepfe) {
        if (Knopf(name)->isChecked()) return index;
    }
    return -1;
}

bool Bedienbereich::Fett_gewaehlt() const {
    return !(Knopf("Standard")->isChecked() || Knopf("Standardkursiv")->isChecked());
}

void Bedienbereich::resizeEvent(QResizeEvent* ereignis) {
    QWidget::resizeEvent(ereignis);
    hintergrund_ = Werkzeughintergrund(size());
}

void Bedienbereich::paintEvent(QPaintEvent* ereignis) {
    QPainter p(this);
    p.drawPixmap(ereignis->rect(), hintergrund_, ereignis->rect());
}
