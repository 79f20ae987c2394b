#pragma once
// Test support for the GUI layers: a fixture that answers the GUI hooks (beeps are counted, error
// texts collected, modal windows answered by a test's function, waits skipped) and restores them
// afterwards, and a helper that saves a widget's picture for a look at the result.
#include "Gui/GuiHooks.h"

#include <QMargins>
#include <QSize>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>

class QWidget;

class GuiHookFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // A screen of that size as the work area, and a window manager that draws `rahmen` around
    // every window it frames (offscreen windows have no frame of their own).
    static void Bildschirm(QSize groesse, QMargins rahmen);
    // The window, frame included, lies whole inside the work area.
    static bool ImArbeitsbereich(const QWidget& fenster);

    int m_beeps = 0;
    int m_fehlerBeeps = 0;
    QStringList m_fehler;
    // The framework's messages (Lib/Meldung.h), each answered with OK.
    QStringList m_meldungen;
    // Answers a modal window; the default closes it with result 0 (cancelled).
    std::function<int(QWidget&)> m_modalAntwort;
    // The documents handed to the desktop's viewer.
    QStringList m_geoeffnet;

private:
    TGuiHooks m_saved;
};

// Grabs the widget into "<test output>/screenshots/<name>.png" and returns the file's path
// (empty when it could not be written).
QString SaveScreenshot(QWidget& widget, const QString& name);
