#include "Lautstaerkefeld.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

#include "Schieberegler.h"
#include "sound/logik/Lautstaerkeregler.h"
#include "window/Bilder.h"

namespace {
struct Zeilendaten {
    const char* endung;        // of the control names: Lautstaerke_Trackbar1, Lautstaerke_Label1
    const char* beschriftung;  // UTF-8, without the colon the window adds
    const char* hinweis;       // of the track bar, and of the row label in the group rows
    double Zustand::*wert;
    const char* testknopf;  // nullptr: the master row has none
};

const std::array<Zeilendaten, 5> Zeilendaten_alle{{
    {"", "Master-Lautstärke", "Gesamtlautstärke...", &Zustand::Lautstaerke, nullptr},
    {"1", "Kleinbuchstaben", "Kleinbuchstaben und Leertaste...", &Zustand::Lautstaerke1,
     "SpeedButton4"},
    {"2", "Großbuchstaben", "Großbuchstaben...", &Zustand::Lautstaerke2, "SpeedButton5"},
    {"3", "Sondertöne", "Feststelltaste, Umschalttaste, Entertaste...", &Zustand::Lautstaerke3,
     "SpeedButton6"},
    {"4", "Effekte", "Glocke...", &Zustand::Lautstaerke4, "SpeedButton7"},
}};
}  // namespace

Lautstaerkefeld::Lautstaerkefeld(Zustand& z, Soundausgabe& ton, Form form, QWidget* parent)
    : QFrame(parent), z_(z), ton_(ton) {
    setObjectName(QStringLiteral("Lautstaerkefeld"));
    if (form == Form::Reiter) {
        setFrameShape(QFrame::Box);
        setAutoFillBackground(true);
        QPalette weiss = palette();
        weiss.setColor(QPalette::Window, Qt::white);
        setPalette(weiss);
    }
    auto* gitter = new QGridLayout(this);
    gitter->setColumnStretch(2, 1);
    gitter->setHorizontalSpacing(10);

    for (int zeile = 0; zeile < Zeilen; ++zeile) {
        const Zeilendaten& d = Zeilendaten_alle[static_cast<std::size_t>(zeile)];
        const QString endung = QLatin1String(d.endung);
        const QString hinweis = QString::fromUtf8(d.hinweis);
        const bool master = zeile == 0;

        QString text = QString::fromUtf8(d.beschriftung);
        if (form == Form::Fenster && !master) text += u':';
        auto* beschriftung = new QLabel(text, this);
        beschriftung->setObjectName(QStringLiteral("Beschriftung") + endung);
        beschriftung->setToolTip(master ? QStringLiteral("Gesamtlautstärke") : hinweis);
        beschriftung->setAccessibleName(text);
        if (master && form == Form::Reiter) {
            QFont fett = beschriftung->font();
            fett.setBold(true);
            beschriftung->setFont(fett);
        }

        auto* prozent = new QLabel(Prozenttext(1.0), this);
        prozent->setObjectName(QStringLiteral("Lautstaerke_Label") + endung);
        prozent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        prozent->setMinimumWidth(prozent->fontMetrics().horizontalAdvance(QStringLiteral("100%")));

        auto* regler =
            new Schieberegler(QStringLiteral("Lautstaerke_Trackbar") + endung, Regler_max, this);
        regler->setValue(Regler_max);
        regler->setPageStep(master ? 5 : 2);
        regler->setToolTip(hinweis);
        regler->setAccessibleName(hinweis);
        beschriftung->setBuddy(regler);
        connect(regler, &QSlider::valueChanged, this,
                [this, zeile](int p) { Lautstaerke_aendern(zeile, p); });

        gitter->addWidget(beschriftung, zeile, 0);
        gitter->addWidget(prozent, zeile, 1);
        gitter->addWidget(regler, zeile, 2);
        regler_[static_cast<std::size_t>(zeile)] = regler;
        prozent_[static_cast<std::size_t>(zeile)] = prozent;

        if (!d.testknopf) continue;
        auto* knopf = new QToolButton(this);
        knopf->setObjectName(QLatin1String(d.testknopf));
        knopf->setIcon(Knopfbild(QStringLiteral("soundan")));
        knopf->setAutoRaise(true);
        knopf->setToolTip(QStringLiteral("Testen"));
        knopf->setAccessibleName(QStringLiteral("Testen"));
        knopf->setAccessibleDescription(hinweis);
        connect(knopf, &QToolButton::clicked, this,
                [this, zeile] { SoundTesten(z_, ton_, zeile); });
        gitter->addWidget(knopf, zeile, 3);
    }
}

void Lautstaerkefeld::Werte_zeigen() {
    for (int zeile = 0; zeile < Zeilen; ++zeile) {
        QSlider* regler = regler_[static_cast<std::size_t>(zeile)];
        const int p = Reglerposition(z_.*Zeilendaten_alle[static_cast<std::size_t>(zeile)].wert);
        // An unchanged position raises no signal; the handler still makes the volume whole.
        if (regler->value() == p) {
            Lautstaerke_aendern(zeile, p);
        } else {
            regler->setValue(p);
        }
    }
}

void Lautstaerkefeld::Lautstaerke_aendern(int zeile, int position) {
    double& wert = z_.*Zeilendaten_alle[static_cast<std::size_t>(zeile)].wert;
    wert = Lautstaerke_von(position);
    prozent_[static_cast<std::size_t>(zeile)]->setText(Prozenttext(wert));
}
