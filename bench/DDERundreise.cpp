// An automation client's round trip against the running main program, measured from outside:
// Poke "Entgelt" (a different gross pay each time) and Request "Nettoentgelt" on "/LOHN", beside
// a ping of the bus daemon (org.freedesktop.DBus.Peer.Ping) in the same loop, so that the ratio
// of the two says how many bus hops one trip is worth on this machine at this moment. The
// program's CPU time per trip comes from /proc/PID/stat (user + system, all its threads).
//
//   dde_rundreise PID [TRIPS [ROUNDS]]      (defaults 3000 and 3)
//
// Run by bench/dde-rundreise, which starts the program on a private session bus. One line per
// round, then the medians over the rounds.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QString>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kService = "de.Tovar.Vantrl32";
constexpr const char* kInterface = "de.Tovar.Vantrl32.Topic";
constexpr int kAufwaermen = 300;

// User plus system time of the whole process, in seconds.
double ProzessCpu(long pid)
{
    std::ifstream datei("/proc/" + std::to_string(pid) + "/stat");
    std::string zeile;
    std::getline(datei, zeile);
    // The command name may hold blanks: the fields are counted after its closing parenthesis.
    std::istringstream felder(zeile.substr(zeile.rfind(')') + 2));
    std::string feld;
    unsigned long long utime = 0;
    unsigned long long stime = 0;
    for (int i = 3; i <= 15 && felder >> feld; ++i) {
        if (i == 14)
            utime = std::stoull(feld);
        if (i == 15)
            stime = std::stoull(feld);
    }
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double Median(std::vector<double> werte)
{
    if (werte.empty())
        return 0;
    std::sort(werte.begin(), werte.end());
    const std::size_t mitte = werte.size() / 2;
    return werte.size() % 2 ? werte[mitte] : (werte[mitte - 1] + werte[mitte]) / 2;
}

QDBusMessage Rufen(QDBusConnection& bus, const QString& methode, const QVariantList& args)
{
    QDBusMessage ruf =
        QDBusMessage::createMethodCall(kService, QStringLiteral("/LOHN"), kInterface, methode);
    ruf.setArguments(args);
    return bus.call(ruf, QDBus::Block, 60000);
}

// A gross pay that differs from the one before, in the program's German format.
QString Entgelt(int i)
{
    return QStringLiteral("%1,%2").arg(2000 + i % 3000).arg(i % 100, 2, 10, QLatin1Char('0'));
}

struct TRunde {
    double pingUs = 0;
    double reiseUs = 0;
    double cpuMsJeReise = 0;
};

bool Reise(QDBusConnection& bus, int i)
{
    const QDBusMessage poke =
        Rufen(bus, QStringLiteral("Poke"), {QStringLiteral("Entgelt"), Entgelt(i)});
    const QDBusMessage netto =
        Rufen(bus, QStringLiteral("Request"), {QStringLiteral("Nettoentgelt")});
    if (poke.type() == QDBusMessage::ReplyMessage && netto.type() == QDBusMessage::ReplyMessage)
        return true;
    const QDBusMessage& fehler = poke.type() == QDBusMessage::ReplyMessage ? netto : poke;
    std::fprintf(stderr, "dde_rundreise: %s\n", fehler.errorMessage().toUtf8().constData());
    return false;
}

bool Runde(QDBusConnection& bus, long pid, int reisen, int& zaehler, TRunde& runde)
{
    const QDBusMessage ping = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping"));
    std::vector<double> pings;
    std::vector<double> trips;
    pings.reserve(static_cast<std::size_t>(reisen));
    trips.reserve(static_cast<std::size_t>(reisen));
    QElapsedTimer uhr;
    const double cpuVorher = ProzessCpu(pid);
    for (int i = 0; i < reisen; ++i) {
        uhr.start();
        bus.call(ping, QDBus::Block, 60000);
        pings.push_back(static_cast<double>(uhr.nsecsElapsed()) / 1000.0);
        uhr.start();
        if (!Reise(bus, ++zaehler))
            return false;
        trips.push_back(static_cast<double>(uhr.nsecsElapsed()) / 1000.0);
    }
    const double cpu = ProzessCpu(pid) - cpuVorher;
    runde = {Median(pings), Median(trips), cpu * 1000.0 / reisen};
    return true;
}

bool Warten(QDBusConnection& bus)
{
    for (int i = 0; i < 600; ++i) {
        if (bus.interface()->isServiceRegistered(kService))
            return true;
        QThread::msleep(100);
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: dde_rundreise PID [TRIPS [ROUNDS]]\n");
        return 2;
    }
    const long pid = std::stol(argv[1]);
    const int reisen = argc > 2 ? std::stoi(argv[2]) : 3000;
    const int runden = argc > 3 ? std::stoi(argv[3]) : 3;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !Warten(bus)) {
        std::fprintf(stderr, "dde_rundreise: the program does not answer on the session bus\n");
        return 1;
    }
    int zaehler = 0;
    for (int i = 0; i < kAufwaermen; ++i)
        if (!Reise(bus, ++zaehler))
            return 1;
    std::vector<double> verhaeltnisse;
    std::vector<double> cpus;
    std::vector<double> reiseUs;
    for (int r = 0; r < runden; ++r) {
        TRunde runde;
        if (!Runde(bus, pid, reisen, zaehler, runde))
            return 1;
        const double verhaeltnis = runde.reiseUs / runde.pingUs;
        std::printf("round %d: trips=%d ping=%.1f us trip=%.1f us ratio=%.2f cpu/trip=%.3f ms\n",
                    r + 1, reisen, runde.pingUs, runde.reiseUs, verhaeltnis, runde.cpuMsJeReise);
        verhaeltnisse.push_back(verhaeltnis);
        cpus.push_back(runde.cpuMsJeReise);
        reiseUs.push_back(runde.reiseUs);
    }
    std::printf("median of %d x %d: trip=%.1f us ratio=%.2f cpu/trip=%.3f ms\n", runden, reisen,
                Median(reiseUs), Median(verhaeltnisse), Median(cpus));
    return 0;
}
