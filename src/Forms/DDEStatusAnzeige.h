#pragma once
// The "DDE" field of the main window's status panel: bold in the button-text colour while a
// client holds a conversation with the automation server, normal and grey otherwise; in the
// highlight-text colour while the server is being used, back 500 ms after the last use. What the
// server has to say beside its replies (a calculation that failed, a notice that came with a
// value taken) goes into the status line.
//
// It installs the DDE manager's five events and clears them again when it goes, so the manager
// never calls into a window that is gone.
#include <QPalette>

class QLabel;

class TDDEStatusAnzeige {
public:
    TDDEStatusAnzeige(QLabel& ddeStatus, QLabel& statusBar);
    ~TDDEStatusAnzeige();
    TDDEStatusAnzeige(const TDDEStatusAnzeige&) = delete;
    TDDEStatusAnzeige& operator=(const TDDEStatusAnzeige&) = delete;

    void DDEStatusAnzeigen();
    void DDEAktivitaet();

    static constexpr int kRueckkehrMs = 500;

private:
    QLabel& m_ddeStatus;
    QLabel& m_statusBar;
    const QPalette m_grund;
    bool m_beleuchtet = false; // in the highlight colour of a use
};
