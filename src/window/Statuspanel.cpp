#include "Statuspanel.h"

#include <QHBoxLayout>
#include <QMouseEvent>

#include "model/Statuszeile.h"

void Klickfeld::mousePressEvent(QMouseEvent* ereignis) {
    if (ereignis->button() == Qt::LeftButton) emit geklickt();
    QLabel::mousePressEvent(ereignis);
}

namespace {
template <typename Label = QLabel>
Label* Feld(QWidget* eltern, QHBoxLayout* reihe, const char* name, const QString& text,
            int breite) {
    auto* label = new Label(text, eltern);
    label->setObjectName(QLatin1String(name));
    label->setAccessibleName(QLatin1String(name));
    label->setMinimumWidth(breite);
    reihe->addWidget(label);
    return label;
}
}  // namespace

Statuspanel::Statuspanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("StatusPanel"));
    setFixedHeight(27);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    QFont schrift(QStringLiteral("Segoe UI"));
    schrift.setPixelSize(13);
    setFont(schrift);

    auto* reihe = new QHBoxLayout(this);
    reihe->setContentsMargins(10, 0, 10, 0);
    reihe->setSpacing(24);
    Spaltenpanel = Feld(this, reihe, "Spaltenpanel", QStringLiteral("Spalte 1 von xx"), 110);
    Zeilenpanel = Feld(this, reihe, "Zeilenpanel", QStringLiteral("Zeile 1 von xx"), 110);
    Seitenpanel = Feld(this, reihe, "Seitenpanel", QStringLiteral("Seite 1 von xx"), 100);
    Zeichenpanel = Feld<Klickfeld>(this, reihe, "Zeichenpanel",
                                   QStringLiteral("Zeichen 0 von xxxx"), 140);
    Zeichenpanel->setCursor(Qt::PointingHandCursor);
    Zeitpanel = Feld(this, reihe, "Zeitpanel", QStringLiteral("Bearbeitungszeit: 00:00"), 170);
    Steuerungs_Label = Feld(this, reihe, "Steuerungs_Label", QString(), 140);
    QPalette grau = Steuerungs_Label->palette();
    grau.setColor(QPalette::WindowText, QColor(100, 100, 100));
    Steuerungs_Label->setPalette(grau);
    reihe->addStretch(1);

    connect(Zeichenpanel, &Klickfeld::geklickt, this, &Statuspanel::Zeichenpanel_geklickt);
}

void Statuspanel::anzeigen(const Statustexte& texte) {
    if (texte.Zeile) Zeilenpanel->setText(*texte.Zeile);
    if (texte.Spalte) Spaltenpanel->setText(*texte.Spalte);
    if (texte.Seite) Seitenpanel->setText(*texte.Seite);
    if (texte.Zeichen) Zeichenpanel->setText(*texte.Zeichen);
    if (texte.Zeit) Zeitpanel->setText(*texte.Zeit);
}

void Statuspanel::Steuerung_anzeigen(const QString& text) { Steuerungs_Label->setText(text); }
