// The main of every GUI test program: an offscreen QApplication with a fixed German locale, so
// that the tests run headless and alike on every machine, and no printer: the print server is a
// socket that cannot exist, so that no test (nor a program it starts) reaches the host's
// printers, however the host is set up. Tests print into PDF files or onto a recording canvas.
#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // VT_LOOK: a test shows its window on the real display, for a screenshot.
    if (!qEnvironmentVariableIsSet("VT_LOOK"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("CUPS_SERVER", "/dev/null/kein-druckserver");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
