#pragma once
// The assistant's page "Einstellungen": three options of the typewriter window, the five
// volumes with their test buttons and the interval of the automatic interim saves. Every change
// takes effect in the state at once; the assistant stores the settings when it closes.

#include <QWidget>

#include "model/Zustand.h"
#include "sound/logik/Soundregeln.h"

class QCheckBox;
class QLabel;
class QSlider;
class Lautstaerkefeld;

class TEinstellungsseite : public QWidget {
    Q_OBJECT

  public:
    TEinstellungsseite(Zustand& z, Soundausgabe& ton, QWidget* parent);

    // At the assistant's start, right after the settings file was read: the options, the
    // volumes and the auto-save interval come from the state, raising the change handlers, so
    // volumes become whole percents and the interval whole minutes from 0 to 30. A stored
    // interval of 0 becomes 300000 (5 minutes).
    void FormCreate();

    // The assistant's refresh: the volumes and the options come from the state again.
    void Anzeige_Updaten();

  public slots:
    void TastenwdhtoncheckboxClick();
    void SM_ModusCheckboxClick();
    void AutoZeilenUmbruch_CheckboxClick();
    void tbZeitChange(int position);

  private:
    QCheckBox* Option_anlegen(const char* name, const char* text, bool angehakt);
    void Optionen_zeigen();

    Zustand& z_;
    QCheckBox* Tastenwdhtoncheckbox_;
    QCheckBox* SM_ModusCheckbox_;
    QCheckBox* AutoZeilenUmbruch_Checkbox_;
    Lautstaerkefeld* lautstaerken_;
    QSlider* tbZeit_;
    QLabel* lAutoSpeichern_;
};
