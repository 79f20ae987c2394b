#pragma once
// The year comparison between the calculation pages and the main window ("message 2101").
//
//   payroll / income-tax page  first press of "Jahresvergleich": Fall1, caption "2. Jahr";
//                              second press: Fall2, the main window shows the comparison page
//   comparison page            "Neu": Neu (back to "Jahresvergleich"); "Ändern": Aendern (back at
//                              "2. Jahr", so the next press replaces case 2)
//   main window                stores its own "LOHN" or "EST" as case 1 or 2; for Neu and Aendern
//                              shows the page of the kind and tells it the command
//
// Every notice is a queued call carrying command and kind only: Neu and Aendern free the page
// that sends them, so the main window must never handle them inside that page's click.
#include <QPointer>
#include <QPushButton>

enum class TVergleichBefehl { Fall1 = 1, Fall2 = 2, Neu = 3, Aendern = 4 };
// The calculation compared; the main window's page table names the pages that fill and show it.
enum class TVergleichArt { Lohn = 1, ESt = 2 };

// The main window hears the notices through this interface.
class TVergleichEmpfaenger {
public:
    virtual ~TVergleichEmpfaenger() = default;
    virtual void VergleichNachricht(TVergleichBefehl befehl, TVergleichArt art) = 0;
};

// Queues the notice for the main window (TXoForm::MainForm() at delivery); dropped when there is
// none or it does not listen.
void PostVergleichNachricht(TVergleichBefehl befehl, TVergleichArt art);

// The "Jahresvergleich" / "2. Jahr" button of a calculation page and its comparison flag.
class TJahresvergleichKnopf {
public:
    // `fokus` takes the focus after the first press.
    TJahresvergleichKnopf(QPushButton& knopf, TVergleichArt art, QWidget& fokus);

    // The main window's Neu or Aendern; other commands are ignored.
    void VergleichNachricht(TVergleichBefehl befehl);

private:
    void Click();
    void Setzen(bool zweitesJahr);

    QPointer<QPushButton> m_knopf;
    TVergleichArt m_art;
    QPointer<QWidget> m_fokus;
    bool m_zweitesJahr = false;
};
