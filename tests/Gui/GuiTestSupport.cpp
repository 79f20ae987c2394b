#include "GuiTestSupport.h"

#include "Gui/FrmLib.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

void GuiHookFixture::SetUp()
{
    m_saved = GuiHooks();
    GuiHooks().beep = [this](TBeepArt art) {
        ++m_beeps;
        if (art == TBeepArt::Fehler)
            ++m_fehlerBeeps;
    };
    GuiHooks().fehler = [this](const QString& text) { m_fehler << text; };
    GuiHooks().modal = [this](QWidget& widget) {
        return m_modalAntwort ? m_modalAntwort(widget) : 0;
    };
    GuiHooks().delay = [](int) {};
    GuiHooks().meldung = [this](const QString& text, const QString&, bool) {
        m_meldungen << text;
        return true;
    };
    GuiHooks().oeffnen = [this](const QString& pfad) { m_geoeffnet << pfad; };
}

void GuiHookFixture::TearDown()
{
    GuiHooks() = m_saved;
}

void GuiHookFixture::Bildschirm(QSize groesse, QMargins rahmen)
{
    GuiHooks().arbeitsbereich = [groesse] { return QRect(QPoint(0, 0), groesse); };
    GuiHooks().rahmen = [rahmen](const QWidget&) { return std::optional<QMargins>(rahmen); };
}

bool GuiHookFixture::ImArbeitsbereich(const QWidget& fenster)
{
    return GetWorkArea().contains(Aussenrechteck(fenster));
}

QString SaveScreenshot(QWidget& widget, const QString& name)
{
    const QString folder = QStringLiteral(VT_TEST_OUTPUT_DIR "/screenshots");
    if (!QDir().mkpath(folder))
        return {};
    if (!widget.isVisible())
        widget.show();
    widget.ensurePolished();
    const QString path = folder + '/' + name + QStringLiteral(".png");
    return widget.grab().save(path, "PNG") ? path : QString();
}
