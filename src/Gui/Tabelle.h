#pragma once
// The base of the scrolling table windows (wage tax, contributions, income tax). A table lists one
// row per amount, from a start amount upwards in fixed steps; the concrete tables say where the
// rows start (Anfangsbetrag), how far apart they are (Schrittweite) and how a row is painted.
//
//   rows and amounts   row r of the scroll bar shows Anfangsbetrag + window start + r *
//   Schrittweite.
//                      The scroll bar covers a page span of Schrittweite * its maximum; going to an
//                      amount outside that span moves the window start (BetragZuZeile).
//   keys and wheel     arrows, PgUp/PgDn, Home/End drive the scroll bar; one wheel notch is a page.
//   marking            a single click marks the row's amount (a second click on it unmarks it); the
//                      click is judged after the double-click time, so a double click marks
//                      nothing.
//   go to an amount    GeheZuBetrag asks for an amount (TFoDoubleEingabe) and scrolls to it.
//   sizing             the window keeps its width and shows an odd number of whole rows (at least
//   5). notices            opening, closing and scrolling are told to the main window as queued
//   calls
//                      that carry the kind of table (its class), never the window itself.
//
// Amounts are in the smallest currency unit (cents). Tables of another currency convert the amounts
// they are given by the rule of three (Umrechnung).
#include "Gui/XoForm.h"

#include <QColor>
#include <QScrollBar>
#include <QString>

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

class QAction;
class QKeySequence;
class QLabel;
class QMenu;
class QPainter;
class TTabelle;

// What a table window tells the main window.
enum class TTabellenNachricht {
    Geschlossen = 0, // a table window is being destroyed
    Geoeffnet = 1,   // a table window was created
    NachUntenGescrollt = 2,
    NachObenGescrollt = 3,
};

// The main window hears of table windows through this interface. `klasse` is the table's class
// (for example TFoLStTabelle::staticMetaObject): static data that outlives every window.
class TTabellenEmpfaenger {
public:
    virtual ~TTabellenEmpfaenger() = default;
    virtual void TabellenNachricht(TTabellenNachricht art, const QMetaObject& klasse) = 0;
};

// Queues the notice for the main window (TXoForm::MainForm() at delivery); dropped when there is
// none or it does not listen.
void PostTabellenNachricht(TTabellenNachricht art, const QMetaObject& klasse);

// The second construction phase of a new table window and its opening: a failure frees the
// window (and what it owns), shows the message and returns false; nothing passes into the event
// loop.
bool TabelleOeffnen(TTabelle* fenster, const std::function<void()>& oeffnen);

// Closes every form of that class or a class derived from it, newest first.
void CloseFormsOfClass(const QMetaObject& klasse);
bool FormOfClassExists(const QMetaObject& klasse);

// The table's vertical scroll bar: a wheel notch over it scrolls a page, like over the table.
class TTabellenScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit TTabellenScrollBar(TTabelle& tabelle);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    TTabelle& m_tabelle;
};

// The area the rows are painted on; the table form does the painting and takes the clicks.
class TTabellenFlaeche : public QWidget {
    Q_OBJECT
public:
    explicit TTabellenFlaeche(TTabelle& tabelle);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    TTabelle& m_tabelle;
};

// One painted row: its background, the texts of its cells (right-aligned, one per column) and
// any cell's own background (an invalid colour leaves the row's).
struct TGemalteZeile {
    QColor farbe;
    std::vector<QString> texte;
    std::vector<QColor> zellFarben;
};

class TTabelle : public TXoForm {
    Q_OBJECT
public:
    explicit TTabelle(QWidget* parent = nullptr);
    ~TTabelle() override;

    // Second construction phase: the row height from the font, and the "opened" notice, which
    // names the concrete class and so cannot be sent from the constructor.
    void init() override;

    // Table windows keep their font size when the large-font option changes.
    void ToggleScaling() override {}

    // Amount of row 0 and the amount step per row; each table overrides them.
    virtual double Anfangsbetrag() const { return 1.0; }
    virtual double Schrittweite() const { return 1.0; }

    // The amount that scroll row `zeile` shows.
    double ZeileZuBetrag(int zeile) const;
    // Scrolls so that the amount is shown (converted first, see SetUmrechnung).
    void BetragZuZeile(double betrag);
    // Asks for an amount in whole units and scrolls to it.
    void GeheZuBetrag();
    // The amount range the scroll positions cover from the window start.
    double Seitenspanne() const;

    // The amounts given to BetragZuZeile are converted as betrag / nenner * zaehler, rounded to
    // whole units; a denominator of 0 leaves them alone.
    void SetUmrechnung(double zaehler, double nenner);
    double Umrechnen(double betrag) const;
    double Zurueckrechnen(double betrag) const;

    double MarkierterBetrag() const { return m_markierterBetrag; }
    double FensterAnfang() const { return m_fensterAnfang; }
    double EndBetrag() const { return m_endBetrag; }
    void SetEndBetrag(double betrag) { m_endBetrag = betrag; }
    int ZeilenHoehe() const { return m_zeilenHoehe; }
    void SetZeilenHoehe(int hoehe);
    // The table's fixed width; the window is as wide as the table and the scroll bar.
    void SetTabellenBreite(int breite);

    // The height a window proposed at `hoehe` gets: an odd number of whole rows, at least 5.
    int GerundeteHoehe(int hoehe) const;

    // A column header above the table, `breite` wide like its column, the text kept off the
    // column's right edge as the cells keep it.
    QLabel* KopfLabel(const char* name, const QString& text, int breite,
                      Qt::Alignment ausrichtung = Qt::AlignRight | Qt::AlignBottom);
    // Adds an item to a menu of the window's popup whose key works while the window has the focus.
    QAction* PopupItem(QMenu* menu, const QString& text, const QKeySequence& taste,
                       std::function<void()> aktion, const char* name = nullptr);
    // The form's popup: right click, and Shift+F10 or Alt+F10. An item's hint (why it is not
    // available, say) shows as its tooltip and in the main window's status line.
    QMenu* PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(QMenu* menu);

    TTabellenFlaeche* PaintBox1() const { return m_paintBox; }
    TTabellenScrollBar* ScrollBar1() const { return m_scrollBar; }
    // The area above the table for the column headers of the concrete table.
    QWidget* Kopf() const { return m_kopf; }

    // Scrolls one page per notch; `delta` is the wheel's angle (120 per notch).
    void WheelScroll(int delta);

    // The clock of the click judgement (milliseconds); tests put their own in place.
    void SetTickQuelle(std::function<std::int64_t()> quelle) { m_jetzt = std::move(quelle); }

protected:
    // Paints the rows; `bereich` is the part of the table to paint.
    virtual void PaintTable(QPainter& painter, const QRect& bereich);
    // Paints the rows of `bereich` from the scroll position: row `zeile` (scroll row) showing
    // `betrag` as `zeileFuer` gives it, its cells in columns of the widths `spalten`. The row of
    // the marked amount is yellow on red.
    void ZeilenMalen(QPainter& painter, const QRect& bereich, std::span<const int> spalten,
                     const std::function<TGemalteZeile(int zeile, double betrag)>& zeileFuer);
    // A double click on the table (the concrete tables go to an amount).
    virtual void TableDblClick() {}

    // A click on the table: the first click waits for the double-click time, a second clears it.
    void TableMouseDown(Qt::MouseButton button, int y);
    // The timed judgement of a single click.
    void KlickAuswerten();
    // A scroll action of the scroll bar, before the bar takes its new position.
    void ScrollBarScroll(int action);

    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class TTabellenFlaeche;

    std::int64_t Jetzt() const;
    void GeometrieAnpassen();

    bool m_klickAnstehend = false;
    std::int64_t m_aktivierungsTick = 0;
    int m_klickY = 0;
    int m_tabellenBreite = 0;
    int m_zeilenHoehe = 0;
    double m_markierterBetrag = 0.0;
    double m_fensterAnfang = 0.0;
    double m_umrechnungZaehler = 0.0;
    double m_umrechnungNenner = 0.0;
    double m_endBetrag = 99999999999.0;
    int m_radRest = 0;
    const QMetaObject* m_gemeldeteKlasse = nullptr;
    QMenu* m_popupMenu = nullptr;
    QWidget* m_kopf = nullptr;
    TTabellenFlaeche* m_paintBox = nullptr;
    TTabellenScrollBar* m_scrollBar = nullptr;
    std::function<std::int64_t()> m_jetzt;
};
