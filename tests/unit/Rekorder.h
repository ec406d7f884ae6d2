#pragma once
// A stand-in for the typewriter window: logs every effect a command asks for, in order. Moving
// the carriage and refreshing the status line do what the window does with the state, so the
// clamp and the status texts can be checked too.

#include <QString>
#include <string>
#include <vector>

#include "model/Blattgeometrie.h"
#include "model/Statuszeile.h"
#include "model/Zustand.h"
#include "window/logik/Rueckmeldung.h"

class Rekorder : public Rueckmeldung {
  public:
    explicit Rekorder(Zustand& z) : z_(z) {}

    std::vector<std::string> Protokoll;
    std::vector<Statustexte> Status;  // what each UpdateStatusPanel rewrote
    bool Antwort = true;              // the answer to every question

    std::vector<int> Sounds() const {
        std::vector<int> n;
        for (const std::string& e : Protokoll) {
            if (e.rfind("Sound ", 0) == 0) n.push_back(std::stoi(e.substr(6)));
        }
        return n;
    }
    std::vector<std::string> Nachrichten() const { return mit_Anfang("Nachricht: "); }
    std::vector<std::string> Zwischenspeicherungen() const {
        return mit_Anfang("Zwischenspeichern: ");
    }
    void leeren() {
        Protokoll.clear();
        Status.clear();
    }

    void SoundAbspielen(int n) override { Protokoll.push_back("Sound " + std::to_string(n)); }
    void Nachricht(const QString& text) override {
        Protokoll.push_back("Nachricht: " + text.toStdString());
    }
    bool Frage(const QString& text) override {
        Protokoll.push_back("Frage: " + text.toStdString());
        return Antwort;
    }
    void zeichne_mit_timer() override { Protokoll.push_back("zeichne_mit_timer"); }
    void zeichnen() override { Protokoll.push_back("zeichnen"); }
    void buchstaben_zeichnen() override { Protokoll.push_back("buchstaben_zeichnen"); }
    void zelle_zeichnen(int zeile, int spalte) override {
        Protokoll.push_back("zelle " + std::to_string(zeile) + " " + std::to_string(spalte));
    }
    void bildzeichnen() override { Protokoll.push_back("bildzeichnen"); }
    void bewegeschlitten() override {
        Protokoll.push_back("bewegeschlitten");
        ::bewegeschlitten(z_);
    }
    void UpdateStatusPanel() override {
        Protokoll.push_back("UpdateStatusPanel");
        Status.push_back(::UpdateStatusPanel(z_));
    }
    void Zwischenspeichern(const QString& grund) override {
        Protokoll.push_back("Zwischenspeichern: " + grund.toStdString());
    }

  private:
    std::vector<std::string> mit_Anfang(const std::string& anfang) const {
        std::vector<std::string> treffer;
        for (const std::string& e : Protokoll) {
            if (e.rfind(anfang, 0) == 0) treffer.push_back(e.substr(anfang.size()));
        }
        return treffer;
    }

    Zustand& z_;
};
