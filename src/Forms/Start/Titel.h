#pragma once
// The title window shown while the main window is being built: the program's name and year,
// centred where the main window will appear, gone after two seconds or on a click.
#include <QWidget>

class TIniFile;

class TFoTitel : public QWidget {
    Q_OBJECT
public:
    explicit TFoTitel(QWidget* parent = nullptr);
    ~TFoTitel() override;

    // Creates and shows the window centred over the main window's stored place (the work area
    // when it was maximised, else 638 x 648 at (0, 0) when nothing is stored).
    static void ZeigeTitelfenster(const TIniFile& einstellungen);
    // The window while it is shown, else nullptr.
    static TFoTitel* Titelfenster();
    // Removes the pending timer and releases the window.
    static void Schliessen();
    // The rectangle the window centres itself in.
    static QRect Bezugsrechteck(const TIniFile& einstellungen, const QRect& arbeitsbereich);

    static constexpr int kAnzeigeMs = 2000;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Ablauf();
};
