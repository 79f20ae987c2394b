#pragma once
// Small routines for placing windows, enabling controls, fonts and waiting, shared by every form.
// Rectangles are (left, top, width, height) as QRect holds them; the work area is the screen
// without panels and docks.
#include <QMargins>
#include <QPoint>
#include <QRect>

#include <cstdint>

class QAbstractButton;
class QWidget;

// The desktop work area of the primary screen; the full screen when there is none to ask.
QRect GetWorkArea();

// The frame around a top-level window (title bar and borders): the one the window manager drew,
// or, before it has framed the window, the frame of another window it has framed, else a usual
// title bar and border. Frameless windows and popups have none.
QMargins Fensterrahmen(const QWidget& fenster);
// The window on the screen, frame included.
QRect Aussenrechteck(const QWidget& fenster);
// Moves a window so that its frame's top left corner is at `ecke`.
void RahmenNach(QWidget& fenster, const QPoint& ecke);
// Keeps a top-level window, frame included, whole inside the work area: cut to the room inside
// the frame, then moved in; now, and once more when the window manager has framed the window (it
// tells the real frame only then). Maximised and minimised windows are left alone.
void InArbeitsbereichHalten(QWidget& fenster);

// A stored window rectangle brought onto the work area: the size cut to the work area (at least
// one pixel), then the position moved so that the whole window lies inside it. Computed in 64
// bits, so that any stored numbers (2147483647 and more) are safe.
QRect RechteckImArbeitsbereich(std::int64_t links, std::int64_t oben, std::int64_t breite,
                               std::int64_t hoehe, const QRect& workArea);

// The top-left point that centres `rect` over `over`, kept inside `workArea` (its origin
// included: a work area beside a left or top panel does not start at 0).
QPoint CenterRectInWorkArea(const QRect& rect, const QRect& over, const QRect& workArea);

// Makes a window a dialog: a title and a close button, but no minimise and maximise buttons, as a
// modal window has.
void AlsDialog(QWidget& fenster);

// Enter presses `standard` (or the push button that has the focus) and Esc presses `abbrechen`
// wherever the focus is in the window: a plain window has no default and cancel buttons of its own.
void DialogTasten(QWidget& fenster, QAbstractButton& standard, QAbstractButton& abbrechen);

// Centres `form` over the widget `over` (in screen coordinates), kept inside the work area with
// its frame.
void CenterForm(const QWidget& over, QWidget& form);

// Moves a form to (x, y) and pulls it, frame included, back into the work area where it would
// leave it.
void MoveFormInScreen(QWidget& form, int x, int y);

// The centre of a rectangle, halves rounded toward zero.
QPoint CenterOfRect(const QRect& rect);

// Enables or disables a control and sets its colours to match: an editable field shows a window
// background when enabled and the button face when not; labels and buttons keep theirs.
void SetControlEnabled(QWidget& control, bool enabled);
// The colours of an edit field: window background when enabled and writable, else button face;
// grey text when disabled.
void SetEditColours(QWidget& edit, bool enabled, bool readOnly);

// Sets or clears bold in the control's font and in all its children.
void SetBoldFont(QWidget& control, bool bold);

// Waits while the application keeps processing its events (through the delay hook).
void Delay(int milliseconds);
// The real wait behind the delay hook.
void WaitProcessingEvents(int milliseconds);

// Shows a window modally until it is closed and returns its "modalResult" property (0 when it
// has none); the real modal run behind the modal hook.
int RunModal(QWidget& widget);
