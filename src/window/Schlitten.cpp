#include "Schlitten.h"

#include <QMouseEvent>

#include "Bilder.h"
#include "Farben.h"
#include "model/Strukturen.h"

namespace {
constexpr std::array<std::uint8_t, 6> Farbbaender{Farbindex::schwarz, Farbindex::blau,
                                                  Farbindex::rot,     Farbindex::gruen,
                                                  Farbindex::grau,    Farbindex::Orange};
constexpr std::array<const char*, 6> Farbnamen{"schwarz", "blau", "rot", "gruen", "grau", "orange"};
}  // namespace

Waage::Waage(QWidget* parent) : QWidget(parent), bild_(new QLabel(this)) {
    setObjectName(QStringLiteral("waagen"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    bild_->setObjectName(QStringLiteral("Image1"));
    bild_->setPixmap(Schienenbild());
    bild_->setScaledContents(true);
    bild_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Waage::resizeEvent(QResizeEvent*) { bild_->setGeometry(rect()); }

void Waage::mousePressEvent(QMouseEvent* ereignis) { emit Maus_gedrueckt(ereignis); }

Schlitten::Schlitten(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("schlitten"));
    setAutoFillBackground(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    for (std::size_t i = 0; i < bilder_.size(); ++i) {
        const bool fett = i >= Farbbaender.size();
        const std::size_t farbe = i % Farbbaender.size();
        auto* bild = new QLabel(this);
        bild->setObjectName(QStringLiteral("Image_%1_%2")
                                .arg(QLatin1String(Farbnamen[farbe]),
                                     fett ? QStringLiteral("fett") : QStringLiteral("standard")));
        bild->setPixmap(Schlittenbild(Farbbandfarbe(Farbbaender[farbe]), fett));
        bild->setScaledContents(true);
        bild->hide();
        bilder_[i] = bild;
    }
}

void Schlitten::Bild_zeigen(int farbindex, bool fett) {
    for (QLabel* bild : bilder_) bild->hide();
    for (std::size_t i = 0; i < Farbbaender.size(); ++i) {
        if (Farbbaender[i] == farbindex) {
            bilder_[i + (fett ? Farbbaender.size() : 0)]->show();
        }
    }
}

const QLabel* Schlitten::Sichtbares_Bild() const {
    for (const QLabel* bild : bilder_) {
        if (!bild->isHidden()) return bild;
    }
    return nullptr;
}

void Schlitten::resizeEvent(QResizeEvent*) {
    for (QLabel* bild : bilder_) bild->setGeometry(rect());
}
