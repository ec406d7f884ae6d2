#include "TEinstellungsseite.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "sound/fenster/Lautstaerkefeld.h"
#include "sound/fenster/Schieberegler.h"
#include "sound/logik/Lautstaerkeregler.h"

TEinstellungsseite::TEinstellungsseite(Zustand& z, Soundausgabe& ton, QWidget* parent)
    : QWidget(parent), z_(z) {
    setObjectName(QStringLiteral("Einstellungsseite"));
    auto* spalte = new QVBoxLayout(this);
    spalte->setSpacing(10);

    Tastenwdhtoncheckbox_ =
        Option_anlegen("Tastenwdhtoncheckbox", "Tastenwiederholungston aktivieren", true);
    SM_ModusCheckbox_ =
        Option_anlegen("SM_ModusCheckbox", "Schreibposition nicht mit Mausklick setzen", false);
    AutoZeilenUmbruch_Checkbox_ =
        Option_anlegen("AutoZeilenUmbruch_Checkbox", "Automatischer Zeilenumbruch", true);
    for (QCheckBox* option :
         {Tastenwdhtoncheckbox_, SM_ModusCheckbox_, AutoZeilenUmbruch_Checkbox_}) {
        spalte->addWidget(option);
    }
    connect(Tastenwdhtoncheckbox_, &QCheckBox::toggled, this,
            &TEinstellungsseite::TastenwdhtoncheckboxClick);
    connect(SM_ModusCheckbox_, &QCheckBox::toggled, this,
            &TEinstellungsseite::SM_ModusCheckboxClick);
    connect(AutoZeilenUmbruch_Checkbox_, &QCheckBox::toggled, this,
            &TEinstellungsseite::AutoZeilenUmbruch_CheckboxClick);

    lautstaerken_ = new Lautstaerkefeld(z, ton, Lautstaerkefeld::Form::Reiter, this);
    spalte->addSpacing(6);
    spalte->addWidget(lautstaerken_);

    // "Automatisch Speichern nach:" 5min, then the track bar between "-" and "30min".
    auto* zeit = new QGridLayout;
    auto* ueberschrift = new QLabel(QStringLiteral("Automatisch Speichern nach:"), this);
    ueberschrift->setObjectName(QStringLiteral("Label_AutoSpeichern"));
    ueberschrift->setAccessibleName(ueberschrift->text());
    lAutoSpeichern_ = new QLabel(Minutentext(Speicherminuten_Vorgabe), this);
    lAutoSpeichern_->setObjectName(QStringLiteral("lAutoSpeichern"));
    auto* anfang = new QLabel(QStringLiteral("-"), this);
    anfang->setObjectName(QStringLiteral("Label_Zeit_Anfang"));
    auto* ende = new QLabel(Minutentext(Speicherminuten_max), this);
    ende->setObjectName(QStringLiteral("Label_Zeit_Ende"));
    tbZeit_ = new Schieberegler(QStringLiteral("tbZeit"), Speicherminuten_max, this);
    tbZeit_->setValue(Speicherminuten_Vorgabe);
    tbZeit_->setAccessibleName(ueberschrift->text());
    ueberschrift->setBuddy(tbZeit_);
    connect(tbZeit_, &QSlider::valueChanged, this, &TEinstellungsseite::tbZeitChange);

    auto* kopf = new QHBoxLayout;
    kopf->addWidget(ueberschrift);
    kopf->addWidget(lAutoSpeichern_);
    kopf->addStretch(1);
    zeit->addLayout(kopf, 0, 0, 1, 3);
    zeit->addWidget(anfang, 1, 0);
    zeit->addWidget(tbZeit_, 1, 1);
    zeit->addWidget(ende, 1, 2);
    spalte->addSpacing(6);
    spalte->addLayout(zeit);
    spalte->addStretch(1);
}

QCheckBox* TEinstellungsseite::Option_anlegen(const char* name, const char* text, bool angehakt) {
    auto* option = new QCheckBox(QString::fromUtf8(text), this);
    option->setObjectName(QLatin1String(name));
    option->setAccessibleName(option->text());
    option->setChecked(angehakt);
    return option;
}

void TEinstellungsseite::FormCreate() {
    Optionen_zeigen();
    lautstaerken_->Werte_zeigen();
    // A stored 0 (saves switched off for one run) comes back as the preset 5 minutes.
    const int minuten = Speicherminuten(z_.Speicherintervall);
    if (tbZeit_->value() == minuten) {
        tbZeitChange(minuten);  // no signal, but the interval still becomes whole minutes
    } else {
        tbZeit_->setValue(minuten);
    }
}

void TEinstellungsseite::Anzeige_Updaten() {
    lautstaerken_->Werte_zeigen();
    Optionen_zeigen();
}

void TEinstellungsseite::Optionen_zeigen() {
    Tastenwdhtoncheckbox_->setChecked(z_.Tastenwiederholungston);
    SM_ModusCheckbox_->setChecked(z_.SM_Modus);
    AutoZeilenUmbruch_Checkbox_->setChecked(z_.AutoZeilenUmbruch);
}

void TEinstellungsseite::TastenwdhtoncheckboxClick() {
    z_.Tastenwiederholungston = Tastenwdhtoncheckbox_->isChecked();
}

void TEinstellungsseite::SM_ModusCheckboxClick() {
    z_.SM_Modus = SM_ModusCheckbox_->isChecked();
}

void TEinstellungsseite::AutoZeilenUmbruch_CheckboxClick() {
    z_.AutoZeilenUmbruch = AutoZeilenUmbruch_Checkbox_->isChecked();
}

void TEinstellungsseite::tbZeitChange(int position) {
    z_.Speicherintervall = Speicherintervall_von(position);
    lAutoSpeichern_->setText(Minutentext(position));
}
