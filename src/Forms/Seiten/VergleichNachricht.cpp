#include "Forms/Seiten/VergleichNachricht.h"

#include "Gui/GuiHooks.h"
#include "Gui/XoForm.h"

#include <QCoreApplication>

#include <exception>

void PostVergleichNachricht(TVergleichBefehl befehl, TVergleichArt art)
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [befehl, art] {
            auto* empfaenger = dynamic_cast<TVergleichEmpfaenger*>(TXoForm::MainForm());
            if (!empfaenger)
                return;
            try {
                empfaenger->VergleichNachricht(befehl, art);
            } catch (const std::exception& e) {
                ShowFehler(QString::fromStdString(e.what()));
            }
        },
        Qt::QueuedConnection);
}

TJahresvergleichKnopf::TJahresvergleichKnopf(QPushButton& knopf, TVergleichArt art, QWidget& fokus)
    : m_knopf(&knopf), m_art(art), m_fokus(&fokus)
{
    QObject::connect(&knopf, &QPushButton::clicked, &knopf, [this] { Click(); });
    Setzen(false);
}

void TJahresvergleichKnopf::Click()
{
    if (m_zweitesJahr) {
        PostVergleichNachricht(TVergleichBefehl::Fall2, m_art);
        return;
    }
    PostVergleichNachricht(TVergleichBefehl::Fall1, m_art);
    Setzen(true);
    if (m_fokus)
        m_fokus->setFocus();
}

void TJahresvergleichKnopf::VergleichNachricht(TVergleichBefehl befehl)
{
    if (befehl == TVergleichBefehl::Neu || befehl == TVergleichBefehl::Aendern)
        Setzen(befehl == TVergleichBefehl::Aendern);
}

void TJahresvergleichKnopf::Setzen(bool zweitesJahr)
{
    m_zweitesJahr = zweitesJahr;
    if (m_knopf)
        m_knopf->setText(zweitesJahr ? "2. Jahr" : "Jahresvergleich");
}
