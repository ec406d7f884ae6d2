#include "Aktionen.h"

#include <QActionGroup>
#include <QKeySequence>

namespace {
QAction* Aktion(QWidget* fenster, const char* name, const char* text, const char* kategorie,
                const QKeySequence& kurz = {}) {
    auto* a = new QAction(QString::fromUtf8(text), fenster);
    a->setObjectName(QLatin1String(name));
    a->setProperty("Kategorie", QString::fromUtf8(kategorie));
    a->setShortcut(kurz);
    a->setShortcutContext(Qt::WindowShortcut);
    fenster->addAction(a);
    return a;
}

QAction* Eintrag(QWidget* fenster, const char* name, const char* text,
                 const QKeySequence& kurz = {}) {
    return Aktion(fenster, name, text, "", kurz);
}
}  // namespace

Aktionen Aktionen_anlegen(QWidget* f) {
    Aktionen a{};
    const char* farbe = "Schriftfarbe";
    a.aSchwarz = Aktion(f, "aSchwarz", "&Schwarz", farbe, QKeySequence(Qt::CTRL | Qt::Key_1));
    a.aBlau = Aktion(f, "aBlau", "&Blau", farbe, QKeySequence(Qt::CTRL | Qt::Key_2));
    a.aRot = Aktion(f, "aRot", "&Rot", farbe, QKeySequence(Qt::CTRL | Qt::Key_3));
    a.aGruen = Aktion(f, "aGruen", "&Grün", farbe, QKeySequence(Qt::CTRL | Qt::Key_4));
    a.aGrau = Aktion(f, "aGrau", "&Grau", farbe, QKeySequence(Qt::CTRL | Qt::Key_5));
    a.aOrange = Aktion(f, "aOrange", "&Orange", farbe, QKeySequence(Qt::CTRL | Qt::Key_6));
    auto* farben = new QActionGroup(f);
    for (QAction* x : {a.aSchwarz, a.aBlau, a.aRot, a.aGruen, a.aGrau, a.aOrange}) {
        x->setCheckable(true);
        farben->addAction(x);
    }
    a.aSchwarz->setChecked(true);

    a.aFett = Aktion(f, "aFett", "Fett", "Schriftstil", QKeySequence(Qt::CTRL | Qt::Key_F));
    a.aKursiv = Aktion(f, "aKursiv", "Kursiv", "Schriftstil", QKeySequence(Qt::CTRL | Qt::Key_K));
    a.aFett->setCheckable(true);
    a.aKursiv->setCheckable(true);

    a.SoundOn = Aktion(f, "SoundOn", "&Stumm", "Sound");
    a.aTastenwiederholungstonOn = Aktion(f, "aTastenwiederholungstonOn",
                                         "&Tastenwiederholungston aktivieren", "Sound");
    a.SoundOn->setCheckable(true);
    a.aTastenwiederholungstonOn->setCheckable(true);
    // The menu entries show these two commands; the names of the entries lead to them.
    a.Soundanaus1 = a.SoundOn;
    a.TastenwiederholungstonEin = a.aTastenwiederholungstonOn;

    const char* st = "Steuerung";
    a.ShiftTab = Aktion(f, "ShiftTab", "Umschalt+Tab", st, QKeySequence(Qt::SHIFT | Qt::Key_Tab));
    a.Kopieren = Aktion(f, "Kopieren", "Kopieren", st, QKeySequence(Qt::CTRL | Qt::Key_C));
    a.Einfuegen = Aktion(f, "Einfuegen", "Einfuegen", st, QKeySequence(Qt::CTRL | Qt::Key_V));
    a.Ausschneiden =
        Aktion(f, "Ausschneiden", "Ausschneiden", st, QKeySequence(Qt::CTRL | Qt::Key_X));
    a.aWortanfang =
        Aktion(f, "aWortanfang", "Letztes Wort", st, QKeySequence(Qt::CTRL | Qt::Key_Right));
    a.aWortende =
        Aktion(f, "aWortende", "Nächstes Wort", st, QKeySequence(Qt::CTRL | Qt::Key_Left));
    a.Zeichen_loeschen_Backspace =
        Aktion(f, "Zeichen_loeschen_Backspace", "Zeichen_loeschen_Backspace", st);
    a.Seite_zurueck = Aktion(f, "Seite_zurueck", "Seite_zurueck", st);
    a.Seite_vor = Aktion(f, "Seite_vor", "Seite_vor", st);
    a.aSeite_hinzufuegen = Aktion(f, "aSeite_hinzufuegen", "aSeite_hinzufuegen", st);
    a.aSeite_loeschen = Aktion(f, "aSeite_loeschen", "aSeite_loeschen", st);
    a.Leerzeichen_einfuegen = Aktion(f, "Leerzeichen_einfuegen", "Leerzeichen einfügen", st,
                                     QKeySequence(Qt::CTRL | Qt::Key_Space));
    a.Leerzeile_einfuegen =
        Aktion(f, "Leerzeile_einfuegen", "Leerzeile einfügen (Strg+Enter)", st);
    a.Leerzeile_einfuegen->setStatusTip(QStringLiteral("Strg+Enter"));
    a.Leerzeile_einfuegen->setToolTip(QStringLiteral("Strg+Enter"));
    a.Zeichen_loeschen = Aktion(f, "Zeichen_loeschen", "Zeichen löschen", st,
                                QKeySequence(Qt::CTRL | Qt::Key_Delete));
    a.Zeile_loeschen = Aktion(f, "Zeile_loeschen", "Zeile löschen", st,
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete));

    const char* mk = "Markieren";
    a.aMarkieren_Wort = Aktion(f, "aMarkieren_Wort", "&Wort markieren", mk);
    a.aMarkieren_Zeile = Aktion(f, "aMarkieren_Zeile", "&Zeile markieren", mk);
    a.aMarkieren_Absatz = Aktion(f, "aMarkieren_Absatz", "&Absatz markieren", mk);
    a.aMarkieren_Seite = Aktion(f, "aMarkieren_Seite", "&Seite markieren", mk);
    a.aMarkierung_ausschalten = Aktion(f, "aMarkierung_ausschalten", "Markierung ausschalten", mk);
    a.aMarkierung_formatieren = Aktion(f, "aMarkierung_formatieren", "Markierung formatieren", mk);
    a.aMarkierung_loeschen = Aktion(f, "aMarkierung_loeschen", "Markierung löschen", mk);

    a.Speichern1 = Eintrag(f, "Speichern1", "&Speichern", QKeySequence(Qt::CTRL | Qt::Key_S));
    a.Drucken1 = Eintrag(f, "Drucken1", "&Drucken");
    a.ext1 = Eintrag(f, "ext1", "Text exportieren");
    a.Schliessen1 = Eintrag(f, "Schliessen1", "S&chließen");
    a.Zurueckblaettern = Eintrag(f, "Zurueckblaettern", "&Zurückblättern");
    a.Vorblaettern = Eintrag(f, "Vorblaettern", "&Vorblättern");
    a.Seitehinzufgen1 = Eintrag(f, "Seitehinzufgen1", "&Seite hinzufügen");
    a.Seitehinzufgen1->setStatusTip(QStringLiteral("Eine Seite an aktueller Position hinzufügen..."));
    a.Seitehinzufgen1->setToolTip(a.Seitehinzufgen1->statusTip());
    a.seitelschen1 = Eintrag(f, "seitelschen1", "&Seite löschen");
    a.seitelschen1->setStatusTip(QStringLiteral("Aktuelle Seite löschen..."));
    a.seitelschen1->setToolTip(a.seitelschen1->statusTip());
    a.Seitenanfang1 = Eintrag(f, "Seitenanfang1", "Seitenanfang");
    // Home, End and Tab belong to the window's own key handling, which sees them before any
    // shortcut; the items only show the keys.
    a.Zeilenanfang1 = Eintrag(f, "Zeilenanfang1", "Zeilenanfang", QKeySequence(Qt::Key_Home));
    a.Zeilenende1 = Eintrag(f, "Zeilenende1", "Zeilenende", QKeySequence(Qt::Key_End));
    a.Tab1 = Eintrag(f, "Tab1", "Tab", QKeySequence(Qt::Key_Tab));
    a.Laustaerke1 = Eintrag(f, "Laustaerke1", "Sound &Einstellungen");
    a.Buttons = Eintrag(f, "Buttons", "Schaltflächen");
    a.Buttons->setCheckable(true);
    a.Buttons->setChecked(true);
    a.Status = Eintrag(f, "Status", "Statusleiste");
    a.Status->setCheckable(true);
    a.Status->setChecked(true);
    a.Status->setVisible(false);
    a.Hilfe2 = Eintrag(f, "Hilfe2", "&Hilfe");
    a.Programminformationen1 = Eintrag(f, "Programminformationen1", "&Programminformationen");
    a.BearbeitenMarkierungAusschalten =
        Eintrag(f, "Markierungausschalten1", "Markierung ausschalten");
    a.BearbeitenMarkierungFormatieren =
        Eintrag(f, "Markierungformatieren1", "Markierung formatieren");
    a.BearbeitenMarkierungLoeschen = Eintrag(f, "Markierungloeschen1", "Markierung löschen");
    return a;
}

void Menues_anlegen(QMenuBar* leiste, const Aktionen& a) {
    QMenu* datei = leiste->addMenu(QStringLiteral("&Datei"));
    datei->addActions({a.Speichern1, a.Drucken1, a.ext1});
    datei->addSeparator();
    datei->addAction(a.Schliessen1);

    QMenu* bearbeiten = leiste->addMenu(QStringLiteral("&Bearbeiten"));
    bearbeiten->addActions({a.Kopieren, a.Ausschneiden, a.Einfuegen});
    bearbeiten->addSeparator();
    bearbeiten->addActions({a.BearbeitenMarkierungAusschalten, a.BearbeitenMarkierungFormatieren,
                            a.BearbeitenMarkierungLoeschen});
    bearbeiten->addSeparator();
    bearbeiten->addActions(
        {a.aMarkieren_Wort, a.aMarkieren_Zeile, a.aMarkieren_Absatz, a.aMarkieren_Seite});

    QMenu* schrift = leiste->addMenu(QStringLiteral("&Schrift"));
    schrift->addActions({a.aKursiv, a.aFett});
    schrift->addSeparator();
    schrift->addActions({a.aSchwarz, a.aBlau, a.aRot, a.aGruen, a.aGrau, a.aOrange});

    QMenu* steuerung = leiste->addMenu(QStringLiteral("&Steuerung"));
    steuerung->addActions({a.Zurueckblaettern, a.Vorblaettern});
    steuerung->addSeparator();
    steuerung->addActions({a.Seitehinzufgen1, a.seitelschen1});
    steuerung->addSeparator();
    steuerung->addActions({a.Seitenanfang1, a.Zeilenanfang1, a.Zeilenende1, a.Tab1, a.ShiftTab});
    steuerung->addSeparator();
    steuerung->addActions({a.aWortanfang, a.aWortende});
    steuerung->addSeparator();
    steuerung->addActions(
        {a.Leerzeichen_einfuegen, a.Leerzeile_einfuegen, a.Zeichen_loeschen, a.Zeile_loeschen});

    QMenu* einstellungen = leiste->addMenu(QStringLiteral("&Einstellungen"));
    einstellungen->addActions({a.Soundanaus1, a.TastenwiederholungstonEin});
    einstellungen->addSeparator();
    einstellungen->addAction(a.Laustaerke1);

    QMenu* ansicht = leiste->addMenu(QStringLiteral("Ansicht"));
    ansicht->addActions({a.Buttons, a.Status});

    QMenu* hilfe = leiste->addMenu(QStringLiteral("Hilfe"));
    hilfe->addActions({a.Hilfe2, a.Programminformationen1});
}
