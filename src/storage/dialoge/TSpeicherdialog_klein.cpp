#include "TSpeicherdialog_klein.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <QValidator>

#include "model/Zustand.h"
#include "storage/logik/Dokumentnamen.h"
#include "storage/logik/Speichertexte.h"
#include "storage/logik/Speichervorgang.h"

namespace {
// The name field drops the nine refused characters, typed or pasted.
class Namensfilter : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& eingabe, int& stelle) const override {
        const QString davor = Ohne_abgelehnte_Zeichen(eingabe.left(stelle));
        eingabe = davor + Ohne_abgelehnte_Zeichen(eingabe.mid(stelle));
        stelle = static_cast<int>(davor.size());
        return Acceptable;
    }
};

QLabel* Beschriftung(const QString& text, QWidget* eltern) {
    auto* label = new QLabel(text, eltern);
    label->setAccessibleName(text);
    return label;
}

QLabel* Anzeige(const char* name, const QString& zugang, QWidget* eltern) {
    auto* label = new QLabel(eltern);
    label->setObjectName(QLatin1String(name));
    label->setAccessibleName(zugang);
    return label;
}

QPushButton* Knopf(const char* name, const QString& text, QWidget* eltern) {
    auto* knopf = new QPushButton(text, eltern);
    knopf->setObjectName(QLatin1String(name));
    knopf->setAccessibleName(text);
    return knopf;
}

// A panel that keeps its place when hidden, so both panels share one fixed dialog size.
QFrame* Panel(const char* name, const QString& zugang, QWidget* eltern) {
    auto* panel = new QFrame(eltern);
    panel->setObjectName(QLatin1String(name));
    panel->setAccessibleName(zugang);
    panel->setFrameShape(QFrame::StyledPanel);
    QSizePolicy politik = panel->sizePolicy();
    politik.setRetainSizeWhenHidden(true);
    panel->setSizePolicy(politik);
    return panel;
}
}  // namespace

TSpeicherdialog_klein::TSpeicherdialog_klein(Zustand& z, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), z_(z) {
    setObjectName(QStringLiteral("Speicherdialog_klein"));
    setWindowTitle(QStringLiteral("Speichern..."));
    setAccessibleName(windowTitle());
    setModal(false);
    Meldungsbox = [this](QWidget* eltern, QMessageBox::Icon art, const QString& text,
                         const QString& zusatz) {
        QMessageBox box(art, QStringLiteral("PC-Tastrolix"), text, QMessageBox::Ok,
                        eltern ? eltern : this);
        box.setInformativeText(zusatz);
        box.exec();
    };
    Uhr = [] { return QDateTime::currentDateTime(); };

    Panel_Eingabe = Panel("Panel_Eingabe", QStringLiteral("Eingabe"), this);
    auto* eingabe = new QGridLayout(Panel_Eingabe);
    NameEdit = new QLineEdit(QStringLiteral("Neues Dokument"), Panel_Eingabe);
    NameEdit->setObjectName(QStringLiteral("NameEdit"));
    NameEdit->setAccessibleName(QStringLiteral("Bezeichnung"));
    NameEdit->setMaxLength(Name_max);
    NameEdit->setValidator(new Namensfilter(NameEdit));
    NameEdit->setMinimumWidth(NameEdit->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 36);
    NameEdit->installEventFilter(this);
    QLabel* bezeichnung = Beschriftung(QStringLiteral("Bezeichnung"), Panel_Eingabe);
    bezeichnung->setBuddy(NameEdit);
    lDatum = Anzeige("lDatum", QStringLiteral("Datum"), Panel_Eingabe);
    lUhrzeit = Anzeige("lUhrzeit", QStringLiteral("Uhrzeit"), Panel_Eingabe);
    eingabe->addWidget(bezeichnung, 0, 0);
    eingabe->addWidget(NameEdit, 0, 1);
    eingabe->addWidget(Beschriftung(QStringLiteral("Datum"), Panel_Eingabe), 1, 0);
    eingabe->addWidget(lDatum, 1, 1);
    eingabe->addWidget(Beschriftung(QStringLiteral("Uhrzeit"), Panel_Eingabe), 2, 0);
    eingabe->addWidget(lUhrzeit, 2, 1);
    eingabe->setColumnStretch(1, 1);

    Panel_Anzeigen = Panel("Panel_Anzeigen", QStringLiteral("Frage"), this);
    auto* anzeigen = new QVBoxLayout(Panel_Anzeigen);
    lAnzeige = Anzeige("lAnzeige", Frage_Entwurf(), Panel_Anzeigen);
    lAnzeige->setText(Frage_Entwurf());
    lAnzeige->setAlignment(Qt::AlignCenter);
    lAnzeige->setWordWrap(true);
    anzeigen->addWidget(lAnzeige);
    Panel_Anzeigen->hide();

    bSpeichern = Knopf("bSpeichern", QStringLiteral("Speichern"), this);
    bBeenden = Knopf("bBeenden", QStringLiteral("ohne Speichern beenden"), this);
    bAbbrechen = Knopf("bAbbrechen", QStringLiteral("Abbrechen"), this);
    bSpeichern->setDefault(true);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(bSpeichern);
    knoepfe->addWidget(bBeenden);
    knoepfe->addWidget(bAbbrechen);

    auto* spalte = new QVBoxLayout(this);
    auto* panels = new QGridLayout;
    panels->addWidget(Panel_Eingabe, 0, 0);
    panels->addWidget(Panel_Anzeigen, 0, 0);
    spalte->addLayout(panels);
    spalte->addLayout(knoepfe);
    spalte->setSizeConstraint(QLayout::SetFixedSize);

    Timer1.setParent(this);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &TSpeicherdialog_klein::Timer1Timer);
    connect(bSpeichern, &QPushButton::clicked, this, &TSpeicherdialog_klein::bSpeichernClick);
    connect(bBeenden, &QPushButton::clicked, this, &TSpeicherdialog_klein::bBeendenClick);
    connect(bAbbrechen, &QPushButton::clicked, this, &TSpeicherdialog_klein::bAbbrechenClick);
}

void TSpeicherdialog_klein::Zeigen() {
    if (!isVisible()) {
        show();
        return;
    }
    FormShow();
    raise();
    activateWindow();
}

void TSpeicherdialog_klein::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    if (!ereignis->spontaneous()) FormShow();
}

void TSpeicherdialog_klein::hideEvent(QHideEvent* ereignis) {
    QDialog::hideEvent(ereignis);
    FormClose();
}

void TSpeicherdialog_klein::FormShow() {
    const bool frage = z_.Schliessen_angefordert && Hat_Datei(z_);
    Panel_Eingabe->setVisible(!frage);
    Panel_Anzeigen->setVisible(frage);
    if (frage) {
        Timer1.stop();
        lAnzeige->setText(Frage_vor_dem_Beenden(Anzeigename(z_.Dateiname)));
        lAnzeige->setAccessibleName(lAnzeige->text());
        bSpeichern->setFocus();
        return;
    }
    NameEdit->setFocus();
    Timer1Timer();
    Timer1.start();
}

void TSpeicherdialog_klein::FormClose() {
    Timer1.stop();
}

void TSpeicherdialog_klein::Timer1Timer() {
    const QDateTime jetzt = Uhr();
    lDatum->setText(Datum_Anzeige(jetzt.date()));
    lUhrzeit->setText(Uhrzeit_Anzeige(jetzt.time(), QLocale::system()));
}

bool TSpeicherdialog_klein::eventFilter(QObject* objekt, QEvent* ereignis) {
    // NameEditKeyPress: Enter acts as a click on "Speichern".
    if (objekt == NameEdit && ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            bSpeichernClick();
            return true;
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void TSpeicherdialog_klein::bSpeichernClick() {
    if (const Dateifehler fehler = Im_Dialog_speichern(z_, NameEdit->text(), Uhr())) {
        // Nothing was saved: the dialog stays, and so does the document.
        Meldungsbox(this, QMessageBox::Critical, *fehler, {});
        return;
    }
    emit Gespeichert();
    if (z_.Schliessen_nach_Speichern) {
        Dokument_schliessen(z_);
        emit Dokument_verlassen();
    }
    hide();
}

void TSpeicherdialog_klein::bBeendenClick() {
    Ohne_Speichern_beenden(z_);
    emit Dokument_verlassen();
    hide();
}

void TSpeicherdialog_klein::bAbbrechenClick() {
    hide();
}

void TSpeicherdialog_klein::reject() {
    bAbbrechenClick();
}
