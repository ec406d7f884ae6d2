// The way of a key through the typewriter window: the window's own shortcut keys first, then the
// shortcuts of menus and commands (Qt's shortcut map), then key-down, the key's character and
// finally its release. The editing itself happens in the display-free commands.

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QToolButton>

#include "Bedienbereich.h"
#include "Schlitten.h"
#include "Schreibflaeche.h"
#include "Statuspanel.h"
#include "TTastrolix.h"
#include "model/Zustand.h"
#include "window/logik/Cursorbefehle.h"
#include "window/logik/Knoepfe.h"
#include "window/logik/Loeschen_Einfuegen.h"
#include "window/logik/Mausposition.h"
#include "window/logik/Tastatur.h"

namespace {
Taste Taste_von(int qt_taste) {
    switch (qt_taste) {
        case Qt::Key_Tab: return Taste::Tab;
        case Qt::Key_PageUp: return Taste::Bild_hoch;
        case Qt::Key_PageDown: return Taste::Bild_runter;
        case Qt::Key_End: return Taste::Ende;
        case Qt::Key_Home: return Taste::Pos1;
        case Qt::Key_Backspace: return Taste::Rueck;
        case Qt::Key_Delete: return Taste::Entf;
        case Qt::Key_Return:
        case Qt::Key_Enter: return Taste::Eingabe;
        case Qt::Key_Shift: return Taste::Umschalt;
        case Qt::Key_CapsLock: return Taste::Feststell;
        case Qt::Key_Escape: return Taste::Escape;
        case Qt::Key_Left: return Taste::Links;
        case Qt::Key_Right: return Taste::Rechts;
        case Qt::Key_Up: return Taste::Hoch;
        case Qt::Key_Down: return Taste::Runter;
        case Qt::Key_Space: return Taste::Leertaste;
        default: return Taste::Andere;
    }
}

Modifikatoren Modifikatoren_von(Qt::KeyboardModifiers m) {
    Modifikatoren mod;
    mod.Umschalt = m.testFlag(Qt::ShiftModifier);
    mod.Strg = m.testFlag(Qt::ControlModifier);
    mod.Alt = m.testFlag(Qt::AltModifier);
    return mod;
}

// The keys the window handles before any shortcut: plain Tab, Page Up, Page Down, End, Home.
bool Eigene_Kurztaste(const QKeyEvent* ereignis) {
    const Taste t = Taste_von(ereignis->key());
    const bool eigen = t == Taste::Tab || t == Taste::Bild_hoch || t == Taste::Bild_runter ||
                       t == Taste::Ende || t == Taste::Pos1;
    return eigen && Modifikatoren_von(ereignis->modifiers()).keine();
}
}  // namespace

std::uint8_t TTastrolix::Attribut_der_Knoepfe() const {
    auto unten = [this](const char* name) { return Bedienbereich_->Knopf(name)->isChecked(); };
    Knopfstellung k;
    k.Standard = unten("Standard");
    k.Standardfett = unten("Standardfett");
    k.Standardkursiv = unten("Standardkursiv");
    k.Fettkursiv = unten("Fettkursiv");
    k.schwarz = unten("schwarz");
    k.blau = unten("blau");
    k.rot = unten("rot");
    k.gruen = unten("gruen");
    k.grau = unten("grau");
    k.Orange = unten("Orange");
    return Attribut_aus_Knoepfen(k);
}

bool TTastrolix::Taste_gedrueckt(QKeyEvent* ereignis) {
    const Taste taste = Taste_von(ereignis->key());
    const Modifikatoren mod = Modifikatoren_von(ereignis->modifiers());
    if (FormShortCut(z_, *this, taste, mod)) return true;
    FormKeyDown(z_, *this, taste, mod);
    const QString text = ereignis->text();
    if (text.size() == 1) FormKeyPress(z_, *this, text[0].unicode(), Attribut_der_Knoepfe());
    return true;
}

void TTastrolix::Taste_losgelassen(QKeyEvent* ereignis) {
    FormKeyUp(z_, *this, Taste_von(ereignis->key()), ereignis->isAutoRepeat());
}

void TTastrolix::Zeichen_eingegeben(const QString& text) {
    // Characters composed from a dead key (´ then e gives é) arrive as committed text.
    for (const QChar c : text) FormKeyPress(z_, *this, c.unicode(), Attribut_der_Knoepfe());
}

bool TTastrolix::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == Hintergrund && ereignis->type() == QEvent::Resize) {
        // While the size is changing the sheet is hidden; it is laid out afresh once it settles.
        Sheet_verbergen();
        Groessentimer.start();
        return false;
    }
    const QEvent::Type art = ereignis->type();
    if (art != QEvent::KeyPress && art != QEvent::KeyRelease && art != QEvent::ShortcutOverride &&
        art != QEvent::InputMethod) {
        return false;
    }
    // Only the keys meant for this window, once: at the widget that has the keyboard, or at the
    // window itself when a key is sent to it directly. A key taken here goes no further.
    if (objekt != this && objekt != QApplication::focusWidget()) return false;
    if (static_cast<QWidget*>(objekt)->window() != this) return false;

    switch (art) {
        case QEvent::ShortcutOverride: {
            // The window's own keys go before the shortcuts of menus and commands.
            auto* taste = static_cast<QKeyEvent*>(ereignis);
            if (!Eigene_Kurztaste(taste)) return false;
            taste->accept();
            return true;
        }
        case QEvent::KeyPress: return Taste_gedrueckt(static_cast<QKeyEvent*>(ereignis));
        case QEvent::KeyRelease: Taste_losgelassen(static_cast<QKeyEvent*>(ereignis)); return true;
        default: {
            auto* eingabe = static_cast<QInputMethodEvent*>(ereignis);
            Zeichen_eingegeben(eingabe->commitString());
            return true;
        }
    }
}

void TTastrolix::Befehle_verbinden() {
    auto befehl = [this](QAction* aktion, void (*ausfuehren)(Zustand&, Rueckmeldung&)) {
        connect(aktion, &QAction::triggered, this, [this, ausfuehren] { ausfuehren(z_, *this); });
    };
    auto knopf = [this](const char* name, void (*ausfuehren)(Zustand&, Rueckmeldung&)) {
        connect(Bedienbereich_->Knopf(name), &QToolButton::clicked, this,
                [this, ausfuehren] { ausfuehren(z_, *this); });
    };
    befehl(a_.ShiftTab, ShiftTabExecute);
    befehl(a_.aWortanfang, aWortanfangExecute);
    befehl(a_.aWortende, aWortendeExecute);
    befehl(a_.Zeilenanfang1, Zeilenanfang1Click);
    befehl(a_.Zeilenende1, Zeilenende1Click);
    befehl(a_.Seitenanfang1, Seitenanfang1Click);
    befehl(a_.Leerzeichen_einfuegen, ::Leerzeichen_einfuegen);
    befehl(a_.Leerzeile_einfuegen, ::Leerzeile_einfuegen);
    befehl(a_.Zeichen_loeschen, ::Zeichen_loeschen);
    befehl(a_.Zeichen_loeschen_Backspace, ::Zeichen_loeschen_Backspace);
    befehl(a_.Zeile_loeschen, ::Zeile_loeschen);
    knopf("SpeedButton2", ::Leerzeichen_einfuegen);
    knopf("SpeedButton5", ::Zeichen_loeschen);
    knopf("SpeedButton7", ::Leerzeile_einfuegen);
    knopf("SpeedButton8", ::Zeile_loeschen);

    // Only the user's click switches insert mode; "TXT" lets "M" come up without changing it.
    connect(Bedienbereich_->Knopf("Modus_Einfuegen_Button"), &QToolButton::clicked, this,
            [this](bool unten) {
                Bedienbereich_->Status()->Steuerung_anzeigen(
                    Modus_Einfuegen_ButtonClick(z_, unten));
            });

    connect(Schreibflaeche_, &Schreibflaeche::Maus_gedrueckt, this, [this](QMouseEvent* e) {
        SchreibflaecheMouseDown(z_, *this, e->position().toPoint().x(),
                                e->position().toPoint().y());
    });
    connect(waagen, &Waage::Maus_gedrueckt, this,
            [this](QMouseEvent* e) { Image1MouseDown(z_, *this, e->position().toPoint().x()); });
}
