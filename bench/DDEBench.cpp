// One round trip of an automation client with the payroll page shown: a poke of the gross pay
// and a request of the net pay, from a client connection of its own on the session bus. Run
// under dbus-run-session (offscreen), e.g.
//   dbus-run-session -- build/bench/bench_dde
#include "Forms/MainForm.h"
#include "MVCFrame/DDEMngr.h"
#include "Platform/DDEServer.h"
#include "QtAnwendung.h"
#include "Support/OptionenUmgebung.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QEventLoop>

#include <benchmark/benchmark.h>

#include <string>

namespace {

// Sends the call and lets the event loop run (the server answers in it) until the reply is in.
QDBusMessage Rufen(const QDBusConnection& klient, const QString& methode, const QVariantList& args)
{
    QDBusMessage ruf =
        QDBusMessage::createMethodCall(kDDEService, QStringLiteral("/LOHN"), kDDEInterface, methode);
    ruf.setArguments(args);
    QDBusPendingCallWatcher warten(klient.asyncCall(ruf));
    if (!warten.isFinished()) {
        QEventLoop schleife;
        QObject::connect(&warten, &QDBusPendingCallWatcher::finished, &schleife, &QEventLoop::quit);
        schleife.exec();
    }
    return warten.reply();
}

void BM_PokeUndRequest(benchmark::State& state)
{
    Anwendung();
    TOptionenUmgebung umgebung;
    TOptionenUmgebung::Starten();
    TMainForm fenster(umgebung.Xdg().Ordner("daten") + "/");
    fenster.init();
    fenster.SetActivePage(1);
    fenster.show();
    TDDEServer server(MVCDDEManager());
    if (!server.Aktiv()) {
        state.SkipWithError("no session bus: run under dbus-run-session");
        return;
    }
    QDBusConnection klient =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("bench-klient"));
    int i = 0;
    for (auto _ : state) {
        const QString entgelt = (++i % 2) ? QStringLiteral("3.000,00") : QStringLiteral("3.001,00");
        Rufen(klient, QStringLiteral("Poke"), {QStringLiteral("Entgelt"), entgelt});
        const QDBusMessage netto = Rufen(klient, QStringLiteral("Request"), {QStringLiteral("Nettoentgelt")});
        if (netto.type() != QDBusMessage::ReplyMessage) {
            state.SkipWithError(netto.errorMessage().toStdString().c_str());
            break;
        }
        benchmark::DoNotOptimize(netto.arguments().value(0).toString());
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("bench-klient"));
}
BENCHMARK(BM_PokeUndRequest)->Unit(benchmark::kMicrosecond);

} // namespace
