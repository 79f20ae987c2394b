#pragma once
// Hints in the main window's status line, and those of menu items in every menu of the program:
// the hint (status tip) of the item the mouse or the keys are on goes to the status line, and a
// disabled item's hint, which says why it is not available, also shows as its tooltip. Qt shows
// neither for a disabled item, nor the status tip of a popup that no menu bar opened.
#include <QObject>
#include <QString>

class QAction;
class QMenu;

// A disabled item's hint: "Dieser Befehl ist nicht verfügbar, weil " + `grund`.
QString NichtVerfuegbar(const QString& grund);
// Enables or disables `item`; disabled, its hint says why (`grund`), enabled it gets back the
// hint it had when it was first given a state.
void SetItemVerfuegbar(QAction& item, bool verfuegbar, const QString& grund);
// Shows `text` in the main window's status line (empty clears it).
void StatuszeileZeigen(const QString& text);

// Watches the menus of the whole program (an event filter of the application); installed once.
class TMenueHinweise : public QObject {
    Q_OBJECT
public:
    static void Einschalten();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    void Zeigen(const QAction* item);
    const QAction* m_gezeigt = nullptr;
};
