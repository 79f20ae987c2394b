// The floor under bench/dde-rundreise: a server of the same name and topic that does no work,
// so that the round trip against it is what the bus and its Qt layer cost by themselves on this
// machine (two thread hops and a handful of system calls per call).
//   bench/dde-rundreise 3000 3 build/bench/dde_boden
#include <QCoreApplication>
#include <QDBusConnection>
#include <QObject>
#include <QString>

namespace {

class TLeererTopic : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "de.Tovar.Vantrl32.Topic")
public slots:
    QString Request(const QString&) { return QStringLiteral("1.234,56"); }
    void Poke(const QString&, const QString&) {}
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TLeererTopic topic;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/LOHN"), &topic, QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("de.Tovar.Vantrl32")))
        return 1;
    return app.exec();
}

#include "DDEBoden.moc"
