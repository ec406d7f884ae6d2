#include "Bilder.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <functional>

#include "Farben.h"

namespace {
constexpr int Symbolgroesse = 24;

QIcon Gezeichnet(const std::function<void(QPainter&)>& malen) {
    QPixmap bild(Symbolgroesse * 2, Symbolgroesse * 2);
    bild.setDevicePixelRatio(2.0);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    malen(p);
    p.end();
    return QIcon(bild);
}

QIcon Thema_oder(const char* thema, const std::function<void(QPainter&)>& malen) {
    return QIcon::fromTheme(QLatin1String(thema), Gezeichnet(malen));
}

const QColor Tinte(40, 40, 40);
const QColor Markiert(120, 170, 230);

// A few text lines as on a sheet; `markiert` lines get the marking colour behind them.
void Zeilen(QPainter& p, int anzahl, int erste_markierte, int markierte, int kurz_breite = 0) {
    for (int i = 0; i < anzahl; ++i) {
        const int y = 5 + i * 4;
        const int breite = (kurz_breite && i == anzahl - 1) ? kurz_breite : 16;
        if (i >= erste_markierte && i < erste_markierte + markierte) {
            p.fillRect(QRect(3, y - 2, breite + 2, 4), Markiert);
        }
        p.fillRect(QRect(4, y - 1, breite, 2), Tinte);
    }
}

void Blatt(QPainter& p) {
    p.setPen(QPen(Tinte, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 2.5, 17, 19));
}

void Kreuz(QPainter& p, const QColor& farbe = QColor(200, 30, 30)) {
    p.setPen(QPen(farbe, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 14), QPointF(21, 21));
    p.drawLine(QPointF(21, 14), QPointF(14, 21));
}

void Plus(QPainter& p, const QColor& farbe = QColor(30, 130, 40)) {
    p.setPen(QPen(farbe, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17.5, 13), QPointF(17.5, 22));
    p.drawLine(QPointF(13, 17.5), QPointF(22, 17.5));
}

void Minus(QPainter& p) {
    p.setPen(QPen(QColor(200, 30, 30), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13, 17.5), QPointF(22, 17.5));
}

void Pfeil(QPainter& p, bool rechts) {
    QPainterPath pfad;
    if (rechts) {
        pfad.moveTo(6, 9);
        pfad.lineTo(13, 9);
        pfad.lineTo(13, 5);
        pfad.lineTo(20, 12);
        pfad.lineTo(13, 19);
        pfad.lineTo(13, 15);
        pfad.lineTo(6, 15);
    } else {
        pfad.moveTo(18, 9);
        pfad.lineTo(11, 9);
        pfad.lineTo(11, 5);
        pfad.lineTo(4, 12);
        pfad.lineTo(11, 19);
        pfad.lineTo(11, 15);
        pfad.lineTo(18, 15);
    }
    pfad.closeSubpath();
    p.setPen(QPen(Tinte, 1));
    p.setBrush(QColor(70, 110, 170));
    p.drawPath(pfad);
}

void Lautsprecher(QPainter& p, bool an) {
    QPainterPath pfad;
    pfad.moveTo(3, 9);
    pfad.lineTo(7, 9);
    pfad.lineTo(12, 4);
    pfad.lineTo(12, 20);
    pfad.lineTo(7, 15);
    pfad.lineTo(3, 15);
    pfad.closeSubpath();
    p.setPen(QPen(Tinte, 1));
    p.setBrush(QColor(90, 90, 90));
    p.drawPath(pfad);
    p.setBrush(Qt::NoBrush);
    if (an) {
        p.setPen(QPen(Tinte, 1.6));
        p.drawArc(QRectF(10, 7, 7, 10), -60 * 16, 120 * 16);
        p.drawArc(QRectF(10, 4, 11, 16), -60 * 16, 120 * 16);
    } else {
        Kreuz(p);
    }
}

void Schrift(QPainter& p, const QString& text, const QColor& farbe, int groesse, bool fett) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(groesse);
    f.setBold(fett);
    p.setFont(f);
    p.setPen(farbe);
    p.drawText(QRect(0, 0, Symbolgroesse, Symbolgroesse), Qt::AlignCenter, text);
}

QIcon Farbband(const QColor& farbe) {
    return Gezeichnet([farbe](QPainter& p) {
        // A ribbon spool seen from above with the ribbon running off it.
        p.setPen(QPen(Tinte, 1));
        p.setBrush(farbe);
        p.drawRoundedRect(QRectF(3.5, 8.5, 17, 7), 2, 2);
        p.setBrush(QColor(230, 230, 230));
        p.drawEllipse(QPointF(6.5, 12), 2.2, 2.2);
        p.drawEllipse(QPointF(17.5, 12), 2.2, 2.2);
    });
}
}  // namespace

QPixmap Schlittenbild(const QColor& farbe, bool fett) {
    QPixmap bild(25, 27);
    QPainter p(&bild);
    QLinearGradient verlauf(0, 0, 0, 27);
    verlauf.setColorAt(0.0, farbe.darker(160));
    verlauf.setColorAt(0.5, Qt::white);
    verlauf.setColorAt(1.0, farbe.darker(160));
    p.fillRect(bild.rect(), verlauf);
    if (fett) {
        p.fillRect(QRect(0, 0, 6, 27), farbe.darker(200));
        p.fillRect(QRect(19, 0, 6, 27), farbe.darker(200));
    }
    return bild;
}

QPixmap Schienenbild() {
    QPixmap bild(18, 27);
    QPainter p(&bild);
    QLinearGradient verlauf(0, 0, 0, 27);
    verlauf.setColorAt(0.0, QColor(150, 150, 150));
    verlauf.setColorAt(0.5, Qt::white);
    verlauf.setColorAt(1.0, QColor(150, 150, 150));
    p.fillRect(bild.rect(), verlauf);
    return bild;
}

QPixmap Werkzeughintergrund(QSize groesse) {
    QPixmap bild(groesse.isEmpty() ? QSize(1, 1) : groesse);
    QPainter p(&bild);
    QLinearGradient verlauf(0, 0, 0, bild.height());
    verlauf.setColorAt(0.0, QColor(236, 236, 236));
    verlauf.setColorAt(1.0, QColor(196, 196, 196));
    p.fillRect(bild.rect(), verlauf);
    // Fine horizontal grain, like the lacquered body of a machine.
    p.setPen(QColor(255, 255, 255, 40));
    for (int y = 0; y < bild.height(); y += 3) p.drawLine(0, y, bild.width(), y);
    return bild;
}

QIcon Knopfbild(const QString& knopf) {
    if (knopf == QLatin1String("schwarz")) return Farbband(Farbbandfarbe(Farbindex::schwarz));
    if (knopf == QLatin1String("blau")) return Farbband(Farbbandfarbe(Farbindex::blau));
    if (knopf == QLatin1String("rot")) return Farbband(Farbbandfarbe(Farbindex::rot));
    if (knopf == QLatin1String("gruen")) return Farbband(Farbbandfarbe(Farbindex::gruen));
    if (knopf == QLatin1String("grau")) return Farbband(Farbbandfarbe(Farbindex::grau));
    if (knopf == QLatin1String("Orange")) return Farbband(Farbbandfarbe(Farbindex::Orange));

    if (knopf == QLatin1String("Markieren_Wort")) {
        return Gezeichnet([](QPainter& p) {
            p.fillRect(QRect(3, 8, 18, 8), Markiert);
            Schrift(p, QStringLiteral("Wort"), Tinte, 8, true);
        });
    }
    if (knopf == QLatin1String("Markieren_zeile")) {
        return Gezeichnet([](QPainter& p) { Zeilen(p, 4, 1, 1); });
    }
    if (knopf == QLatin1String("Markieren_Absatz")) {
        return Gezeichnet([](QPainter& p) { Zeilen(p, 4, 0, 3, 9); });
    }
    if (knopf == QLatin1String("Markieren_Seite")) {
        return Gezeichnet([](QPainter& p) {
            p.fillRect(QRect(2, 1, 20, 22), Markiert);
            Zeilen(p, 5, 0, 0);
        });
    }
    if (knopf == QLatin1String("Markierung_ausschalten")) {
        return Gezeichnet([](QPainter& p) {
            Zeilen(p, 3, 0, 3);
            Kreuz(p);
        });
    }
    if (knopf == QLatin1String("Markierung_formatieren")) {
        return Gezeichnet([](QPainter& p) {
            p.fillRect(QRect(2, 3, 20, 18), Markiert);
            Schrift(p, QStringLiteral("A"), QColor(200, 30, 30), 17, true);
        });
    }
    if (knopf == QLatin1String("Markierung_loeschen")) {
        return Gezeichnet([](QPainter& p) {
            Zeilen(p, 3, 0, 3);
            Kreuz(p);
            Minus(p);
        });
    }
    if (knopf == QLatin1String("Drucken_Button")) {
        return Thema_oder("document-print", [](QPainter& p) {
            p.setPen(QPen(Tinte, 1));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(6.5, 2.5, 11, 8));
            p.setBrush(QColor(160, 160, 160));
            p.drawRoundedRect(QRectF(2.5, 9.5, 19, 9), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(6.5, 15.5, 11, 6));
        });
    }
    if (knopf == QLatin1String("Kopieren_Button")) {
        return Thema_oder("edit-copy", [](QPainter& p) {
            p.setPen(QPen(Tinte, 1));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(3.5, 3.5, 11, 13));
            p.drawRect(QRectF(9.5, 7.5, 11, 13));
        });
    }
    if (knopf == QLatin1String("Ausschneiden_Button")) {
        return Thema_oder("edit-cut", [](QPainter& p) {
            p.setPen(QPen(Tinte, 1.6));
            p.drawLine(QPointF(7, 3), QPointF(15, 15));
            p.drawLine(QPointF(17, 3), QPointF(9, 15));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(7.5, 18), 3, 3);
            p.drawEllipse(QPointF(16.5, 18), 3, 3);
        });
    }
    if (knopf == QLatin1String("Einfuegen_Button")) {
        return Thema_oder("edit-paste", [](QPainter& p) {
            p.setPen(QPen(Tinte, 1));
            p.setBrush(QColor(190, 150, 90));
            p.drawRoundedRect(QRectF(4.5, 4.5, 15, 17), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(7.5, 8.5, 9, 11));
            p.setBrush(QColor(120, 120, 120));
            p.drawRect(QRectF(8.5, 2.5, 7, 4));
        });
    }
    if (knopf == QLatin1String("SpeedButton2")) {
        return Gezeichnet([](QPainter& p) {
            p.setPen(QPen(Tinte, 1.6));
            p.drawLine(QPointF(3, 10), QPointF(3, 14));
            p.drawLine(QPointF(3, 14), QPointF(12, 14));
            p.drawLine(QPointF(12, 14), QPointF(12, 10));
            Plus(p);
        });
    }
    if (knopf == QLatin1String("SpeedButton5")) {
        return Gezeichnet([](QPainter& p) {
            Schrift(p, QStringLiteral("a"), Tinte, 16, true);
            Kreuz(p);
        });
    }
    if (knopf == QLatin1String("SpeedButton7")) {
        return Gezeichnet([](QPainter& p) {
            Zeilen(p, 2, 0, 0);
            p.fillRect(QRect(4, 17, 16, 1), QColor(160, 160, 160));
            Plus(p);
        });
    }
    if (knopf == QLatin1String("SpeedButton8")) {
        return Gezeichnet([](QPainter& p) {
            Zeilen(p, 3, 0, 0);
            p.setPen(QPen(QColor(200, 30, 30), 2));
            p.drawLine(QPointF(2, 9), QPointF(22, 9));
        });
    }
    if (knopf == QLatin1String("Seiten_plus_Button")) {
        return Gezeichnet([](QPainter& p) {
            Blatt(p);
            Plus(p);
        });
    }
    if (knopf == QLatin1String("Seiten_minus_Button")) {
        return Gezeichnet([](QPainter& p) {
            Blatt(p);
            Minus(p);
        });
    }
    if (knopf == QLatin1String("Seitenwechsel_minus")) {
        return Thema_oder("go-previous", [](QPainter& p) { Pfeil(p, false); });
    }
    if (knopf == QLatin1String("Seitenwechsel_plus")) {
        return Thema_oder("go-next", [](QPainter& p) { Pfeil(p, true); });
    }
    if (knopf == QLatin1String("SpeicherButton")) {
        return Thema_oder("document-save", [](QPainter& p) {
            p.setPen(QPen(Tinte, 1));
            p.setBrush(QColor(60, 90, 150));
            p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(6.5, 3.5, 11, 7));
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(QRectF(7.5, 13.5, 9, 7));
        });
    }
    if (knopf == QLatin1String("ZS_Laden_Button")) {
        return Thema_oder("document-revert", [](QPainter& p) {
            Blatt(p);
            p.setPen(QPen(QColor(70, 110, 170), 2));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(7, 8, 10, 10), 30 * 16, 280 * 16);
        });
    }
    if (knopf == QLatin1String("soundan")) {
        return Thema_oder("audio-volume-high", [](QPainter& p) { Lautsprecher(p, true); });
    }
    if (knopf == QLatin1String("Soundaus")) {
        return Thema_oder("audio-volume-muted", [](QPainter& p) { Lautsprecher(p, false); });
    }
    return {};
}
