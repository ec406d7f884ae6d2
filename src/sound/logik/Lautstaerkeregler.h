#pragma once
// The numbers behind the volume and auto-save controls: a volume 0.0 to 1.0 as a track-bar
// position 0 to 100 and as a percent text, and the auto-save interval as whole minutes.

#include <QString>

constexpr int Regler_max = 100;  // a volume control's positions 0 to 100
constexpr int Speicherminuten_max = 30;
constexpr int Speicherminuten_Vorgabe = 5;

// The position of a volume: v x 100 rounded to the nearest integer, a half to the even
// neighbour, kept within 0 to 100 (not a number gives 0).
int Reglerposition(double lautstaerke);

// The volume of a position: p / 100.
double Lautstaerke_von(int position);

// v x 100 with up to 15 significant digits, followed by "%": 0.57 gives "57%", 0.125 "12,5%".
QString Prozenttext(double lautstaerke);

// The auto-save control's position for a stored interval in milliseconds: whole minutes, the
// fraction cut off, within 0 to 30; a stored 0 (saves switched off) gives the preset 5 minutes.
int Speicherminuten(int speicherintervall);

// The interval of a position in milliseconds: minutes x 60000.
int Speicherintervall_von(int minuten);

// The position in decimal followed by "min".
QString Minutentext(int minuten);
