// A small client of the automation server, for the tests: runs its arguments in order against
// the service "de.Tovar.Vantrl32" on the session bus and prints one line per answer and signal.
//
//   request:TOPIC/ITEM        -> "request TOPIC/ITEM=TEXT"
//   poke:TOPIC/ITEM=TEXT      -> nothing (errors: "error NAME MESSAGE")
//   exec:TOPIC/LINES          -> nothing ("\n" in LINES is a line break)
//   advise:TOPIC/ITEM         -> each change later: "signal TOPIC/ITEM=TEXT"
//   listen:TOPIC              -> prints the topic's signals that reach this client, advising nothing
//   connect:TOPIC
//   wait:TEXT                 -> waits (at most 120 s) until a printed signal line contains TEXT
//   hold                      -> prints "holding" and stays connected until killed
//   fuzz:TOPIC/N/SEED         -> N random pokes into the topic's items and N random execute
//                                strings; prints "fuzz answered=A noreply=R"
// CR and LF in printed texts show as "\r" and "\n". Exit code 0, or 2 on a bad argument.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QElapsedTimer>
#include <QObject>
#include <QRandomGenerator>
#include <QSet>
#include <QStringList>
#include <QTimer>

#include <cstdio>

namespace {

constexpr const char* kService = "de.Tovar.Vantrl32";
constexpr const char* kInterface = "de.Tovar.Vantrl32.Topic";
constexpr int kAufrufMs = 120000;

QString Sichtbar(QString text)
{
    return text.replace("\r", "\\r").replace("\n", "\\n");
}

void Zeile(const QString& text)
{
    std::printf("%s\n", text.toUtf8().constData());
    std::fflush(stdout);
}

class TClient : public QObject {
    Q_OBJECT
public:
    QStringList signale;

public slots:
    void ItemChanged(const QDBusMessage& nachricht)
    {
        const QList<QVariant> args = nachricht.arguments();
        if (args.size() != 2)
            return;
        const QString zeile = "signal " + nachricht.path().mid(1) + "/" + args[0].toString() + "=" +
                              Sichtbar(args[1].toString());
        signale << zeile;
        Zeile(zeile);
    }
};

QDBusMessage Rufen(const QString& topic, const QString& methode, const QVariantList& args)
{
    QDBusMessage ruf = QDBusMessage::createMethodCall(kService, "/" + topic, kInterface, methode);
    ruf.setArguments(args);
    QDBusMessage antwort = QDBusConnection::sessionBus().call(ruf, QDBus::Block, kAufrufMs);
    if (antwort.type() == QDBusMessage::ErrorMessage)
        Zeile("error " + antwort.errorName() + " " + antwort.errorMessage());
    return antwort;
}

QString Zufallstext(QRandomGenerator& zufall)
{
    static const QStringList kBausteine = {
        "",    "0", "1", "-1",   "2026", "1990",  "99999999999", "4000,00", "1.234,56", "abc",
        "???", " ", "=", "\r\n", "SET",  "CLEAR", "GETLIST",     "DELETE",  "Ä",        "20260229"};
    QString text;
    const int teile = static_cast<int>(zufall.bounded(5));
    for (int i = 0; i < teile; ++i) {
        if (zufall.bounded(4) == 0)
            text += QChar(static_cast<char16_t>(zufall.bounded(1, 0x2000)));
        else
            text += kBausteine[static_cast<int>(zufall.bounded(kBausteine.size()))];
        if (zufall.bounded(3) == 0)
            text += ' ';
    }
    return text;
}

void Fuzz(const QString& topic, int anzahl, quint32 seed)
{
    QRandomGenerator zufall(seed);
    const QDBusMessage liste = Rufen(topic, "Request", {QStringLiteral("TopicItemList")});
    const QStringList items = liste.arguments().value(0).toString().split('\t');
    int beantwortet = 0;
    int ohneAntwort = 0;
    const auto zaehlen = [&](const QDBusMessage& antwort) {
        if (antwort.type() == QDBusMessage::ErrorMessage &&
            antwort.errorName().startsWith("org.freedesktop.DBus.Error"))
            ++ohneAntwort;
        else
            ++beantwortet;
    };
    for (int i = 0; i < anzahl; ++i) {
        const QString item = items[static_cast<int>(zufall.bounded(items.size()))];
        zaehlen(QDBusConnection::sessionBus().call(
            QDBusMessage::createMethodCall(kService, "/" + topic, kInterface, "Poke")
                << item << Zufallstext(zufall),
            QDBus::Block, kAufrufMs));
        const QString zeile = Zufallstext(zufall) + " " + item + "=" + Zufallstext(zufall) +
                              "\r\n" + Zufallstext(zufall);
        zaehlen(QDBusConnection::sessionBus().call(
            QDBusMessage::createMethodCall(kService, "/" + topic, kInterface, "Execute") << zeile,
            QDBus::Block, kAufrufMs));
    }
    Zeile(QString("fuzz answered=%1 noreply=%2").arg(beantwortet).arg(ohneAntwort));
}

bool Warten(TClient& client, const QString& text)
{
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < kAufrufMs) {
        for (const QString& s : client.signale) {
            if (s.contains(text))
                return true;
        }
        QEventLoop schleife;
        QTimer::singleShot(50, &schleife, &QEventLoop::quit);
        schleife.exec();
    }
    Zeile("timeout " + text);
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TClient client;
    QSet<QString> verbunden; // one signal subscription per topic
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        Zeile("error no session bus");
        return 2;
    }
    for (const QString& arg : app.arguments().mid(1)) {
        const QString verb = arg.section(':', 0, 0);
        const QString rest = arg.section(':', 1);
        const QString topic = rest.section('/', 0, 0);
        const QString pfad = rest.section('/', 1);
        const QString item = pfad.section('=', 0, 0);
        const QString text = pfad.section('=', 1);
        if (verb == "request") {
            const QDBusMessage antwort = Rufen(topic, "Request", {item});
            if (antwort.type() == QDBusMessage::ReplyMessage)
                Zeile("request " + topic + "/" + item + "=" +
                      Sichtbar(antwort.arguments().value(0).toString()));
        } else if (verb == "poke") {
            Rufen(topic, "Poke", {item, text});
        } else if (verb == "exec") {
            Rufen(topic, "Execute", {QString(pfad).replace("\\n", "\r\n")});
        } else if (verb == "advise" || verb == "listen") {
            if (!verbunden.contains(topic)) {
                verbunden.insert(topic);
                bus.connect(kService, "/" + topic, kInterface, "ItemChanged", &client,
                            SLOT(ItemChanged(QDBusMessage)));
            }
            if (verb == "advise")
                Rufen(topic, "StartAdvise", {item});
        } else if (verb == "connect") {
            Rufen(topic, "Connect", {});
        } else if (verb == "wait") {
            Warten(client, rest);
        } else if (verb == "hold") {
            Zeile("holding");
            return app.exec();
        } else if (verb == "fuzz") {
            Fuzz(topic, pfad.section('/', 0, 0).toInt(), pfad.section('/', 1).toUInt());
        } else {
            Zeile("error bad argument " + arg);
            return 2;
        }
    }
    return 0;
}

#include "ddeclient.moc"
