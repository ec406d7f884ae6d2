// The player against a real sound server: a private PulseAudio server (scripts/tonserver.sh)
// gets a null sink of this test's own, the player plays into it, and parec records the sink's
// monitor. Also: without a sound server the player stays silent and quiet.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryFile>
#include <array>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "Wavdaten.h"
#include "sound/Soundspieler.h"

namespace {
constexpr int Rate = 44100;

// Sets environment variables for its lifetime and restores them afterwards.
class Umgebung {
  public:
    explicit Umgebung(const std::vector<std::pair<const char*, const char*>>& werte) {
        for (const auto& [name, wert] : werte) {
            alt_.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
            qputenv(name, wert);
        }
    }
    ~Umgebung() {
        for (const Alt& a : alt_) {
            if (a.gesetzt) {
                qputenv(a.name, a.wert);
            } else {
                qunsetenv(a.name);
            }
        }
    }

  private:
    struct Alt {
        const char* name;
        bool gesetzt;
        QByteArray wert;
    };
    std::vector<Alt> alt_;
};

QString pactl(const QStringList& argumente, bool* ok = nullptr) {
    QProcess p;
    p.start(QStringLiteral("pactl"), argumente);
    const bool fertig = p.waitForFinished(10000) && p.exitCode() == 0;
    if (ok) *ok = fertig;
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// Records a sink's monitor as 16-bit stereo at 44100 Hz until beenden().
class Mitschnitt {
  public:
    explicit Mitschnitt(const QString& senke) {
        parec_.start(QStringLiteral("parec"),
                     {QStringLiteral("--device=%1.monitor").arg(senke), QStringLiteral("--raw"),
                      QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                      QStringLiteral("--channels=2"), QStringLiteral("--latency-msec=20")});
        // The first bytes show that the stream is connected; what came before is dropped.
        laeuft_ = parec_.waitForStarted(5000) && parec_.waitForReadyRead(5000);
        parec_.readAll();
    }
    ~Mitschnitt() {
        parec_.kill();
        parec_.waitForFinished(5000);
    }
    bool laeuft() const { return laeuft_; }

    // Keeps reading, so the pipe never fills and the server drops nothing.
    void weiter(int ms) {
        QElapsedTimer uhr;
        uhr.start();
        while (uhr.elapsed() < ms) {
            parec_.waitForReadyRead(20);
            daten_ += parec_.readAll();
        }
    }

    std::vector<std::int16_t> beenden() {
        parec_.terminate();
        parec_.waitForFinished(5000);
        daten_ += parec_.readAll();
        std::vector<std::int16_t> proben(static_cast<std::size_t>(daten_.size()) / 2);
        for (std::size_t i = 0; i < proben.size(); ++i) {
            const auto lo = static_cast<std::uint8_t>(daten_[static_cast<qsizetype>(2 * i)]);
            const auto hi = static_cast<std::uint8_t>(daten_[static_cast<qsizetype>(2 * i + 1)]);
            proben[i] = static_cast<std::int16_t>(lo | (hi << 8));
        }
        return proben;
    }

  private:
    QProcess parec_;
    QByteArray daten_;
    bool laeuft_ = false;
};

// Seconds from the first to the last sample louder than `schwelle` (stereo samples).
double Hoerbare_Spanne(const std::vector<std::int16_t>& proben, int schwelle) {
    std::size_t erste = proben.size(), letzte = 0;
    for (std::size_t i = 0; i < proben.size(); ++i) {
        if (std::abs(static_cast<int>(proben[i])) > schwelle) {
            erste = std::min(erste, i);
            letzte = i;
        }
    }
    return erste > letzte ? 0.0 : static_cast<double>(letzte - erste) / 2.0 / Rate;
}

// The private server with a null sink of this test's own: other tests that play sound into the
// shared sink at the same time cannot disturb the recording.
class SoundspielerAmServer : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        QProcess skript;
        skript.start(QStringLiteral("bash"), {QStringLiteral(TASTROLIX_TONSERVER)});
        if (!skript.waitForFinished(20000) || skript.exitCode() != 0) return;
        qputenv("PULSE_SERVER", skript.readAllStandardOutput().trimmed());
        senke_ = QStringLiteral("tastrolix_test_%1").arg(getpid());
        bool ok = false;
        modul_ = pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                        QStringLiteral("sink_name=") + senke_, QStringLiteral("rate=44100"),
                        QStringLiteral("channels=2")},
                       &ok);
        if (!ok) modul_.clear();
        qputenv("PULSE_SINK", senke_.toUtf8());
    }
    static void TearDownTestSuite() {
        if (!modul_.isEmpty()) pactl({QStringLiteral("unload-module"), modul_});
        qunsetenv("PULSE_SINK");
    }
    void SetUp() override {
        ASSERT_FALSE(modul_.isEmpty()) << "no PulseAudio server with a null sink of our own";
    }

    static inline QString senke_;
    static inline QString modul_;
};

// Peak of the left and of the right channel; a mono sound counts the same on both.
std::array<int, 2> Kanalspitzen(const std::vector<std::int16_t>& proben, int kanaele,
                                std::uint16_t stufe) {
    std::array<int, 2> spitzen{0, 0};
    for (std::size_t i = 0; i < proben.size(); ++i) {
        const int wert = std::abs(proben[i] * static_cast<int>(stufe) / 65535);
        for (std::size_t k = 0; k < 2; ++k) {
            if (kanaele == 1 || i % 2 == k) spitzen[k] = std::max(spitzen[k], wert);
        }
    }
    return spitzen;
}

TEST_F(SoundspielerAmServer, KlangErreichtDieSenkeInDerGewaehltenStufe) {
    struct Fall {
        int n;
        std::uint16_t stufe;
    };
    // The stereo bell at three levels, and the one mono sound, which must reach both sides.
    const Fall faelle[] = {{3, 65535}, {3, 32768}, {3, 0}, {12, 65535}};
    Soundspieler spieler;
    ASSERT_TRUE(spieler.Geraet_offen());
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(testing::Message() << "sound " << fall.n << " at " << fall.stufe);
        const auto daten = Wav_lesen(Sounddatei(fall.n));
        ASSERT_TRUE(daten.has_value());
        const auto erwartet = Kanalspitzen(daten->proben, daten->kanaele, fall.stufe);
        Mitschnitt mitschnitt(senke_);
        ASSERT_TRUE(mitschnitt.laeuft());
        spieler.abspielen(fall.n, fall.stufe);
        mitschnitt.weiter(1000);
        // The null sink passes the samples through unchanged, so the peaks are the data's.
        const auto gehoert = Kanalspitzen(mitschnitt.beenden(), 2, 65535);
        for (std::size_t k = 0; k < 2; ++k) {
            EXPECT_NEAR(gehoert[k], erwartet[k], 0.02 * erwartet[k] + 2) << "channel " << k;
        }
    }
}

TEST_F(SoundspielerAmServer, NeuerKlangSchneidetDenLaufendenAb) {
    constexpr int Schwelle = 300;
    // Sound 13 alone is audible for far longer than the span expected below.
    const auto seite = Wav_lesen(Sounddatei(13));
    ASSERT_TRUE(seite.has_value());
    ASSERT_GT(Hoerbare_Spanne(seite->proben, Schwelle), 0.7);

    Soundspieler spieler;
    ASSERT_TRUE(spieler.Geraet_offen());
    Mitschnitt mitschnitt(senke_);
    ASSERT_TRUE(mitschnitt.laeuft());
    QElapsedTimer uhr;
    uhr.start();
    spieler.abspielen(13, 65535);
    mitschnitt.weiter(150);
    const double abstand = static_cast<double>(uhr.elapsed()) / 1000.0;
    spieler.abspielen(10, 65535);
    mitschnitt.weiter(1200);
    const double spanne = Hoerbare_Spanne(mitschnitt.beenden(), Schwelle);
    // Sound 13 until it is cut, then the 0.089 s tick; a callback period of jitter either way.
    EXPECT_GT(spanne, abstand - 0.03);
    EXPECT_LT(spanne, abstand + 0.089 + 0.06);
}

// Collects what is written to stderr (the C stream and fd 2) while it lives.
class Fehlerausgabe {
  public:
    Fehlerausgabe() {
        std::fflush(stderr);
        if (datei_.open()) {
            alt_ = dup(2);
            dup2(datei_.handle(), 2);
        }
    }
    std::string beenden() {
        std::fflush(stderr);
        if (alt_ >= 0) {
            dup2(alt_, 2);
            close(alt_);
            alt_ = -1;
        }
        datei_.seek(0);
        return datei_.readAll().toStdString();
    }
    ~Fehlerausgabe() { beenden(); }

  private:
    QTemporaryFile datei_;
    int alt_ = -1;
};

TEST(SoundspielerOhneServer, BleibtStummUndStill) {
    using Werte = std::vector<std::pair<const char*, const char*>>;
    const std::vector<std::pair<const char*, Werte>> faelle = {
        {"unknown driver",
         {{"SDL_AUDIODRIVER", "kein_treiber"}, {"PULSE_SERVER", "unix:/nirgends/native"}}},
        {"PulseAudio unreachable",
         {{"SDL_AUDIODRIVER", "pulseaudio"}, {"PULSE_SERVER", "unix:/nirgends/native"}}},
        // SDL's own choice with no server: it falls to ALSA, which finds no device here (as on a
        // machine without a sound card) and would say so on stderr.
        {"no server, no ALSA device",
         {{"SDL_AUDIODRIVER", ""},
          {"PULSE_SERVER", "unix:/nirgends/native"},
          {"ALSA_CONFIG_PATH", "/nirgends/alsa.conf"}}},
    };
    for (const auto& [name, werte] : faelle) {
        SCOPED_TRACE(name);
        Umgebung umgebung(werte);
        Fehlerausgabe fehler;
        {
            Soundspieler spieler;
            EXPECT_FALSE(spieler.Geraet_offen());
            for (int n = -1; n <= 16; ++n) {
                spieler.abspielen(n, 0);
                spieler.abspielen(n, 65535);
            }
        }
        EXPECT_EQ(fehler.beenden(), "");
    }
}
}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
