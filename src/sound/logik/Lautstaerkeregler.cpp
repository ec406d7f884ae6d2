#include "Lautstaerkeregler.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

int Reglerposition(double lautstaerke) {
    const double p = std::nearbyint(lautstaerke * Regler_max);
    if (!(p > 0)) return 0;
    return p >= Regler_max ? Regler_max : static_cast<int>(p);
}

double Lautstaerke_von(int position) {
    return position / static_cast<double>(Regler_max);
}

QString Prozenttext(double lautstaerke) {
    QLocale deutsch(QLocale::German);
    deutsch.setNumberOptions(QLocale::OmitGroupSeparator);
    return deutsch.toString(lautstaerke * Regler_max, 'g', 15) + u'%';
}

int Speicherminuten(int speicherintervall) {
    if (speicherintervall == 0) return Speicherminuten_Vorgabe;
    return std::clamp(speicherintervall / 60000, 0, Speicherminuten_max);
}

int Speicherintervall_von(int minuten) {
    return minuten * 60000;
}

QString Minutentext(int minuten) {
    return QString::number(minuten) + QStringLiteral("min");
}
