#pragma once
// A table icon of the payroll page: the "open" and the "close" picture of one kind of table
// window, and its animation. The "close" picture is visible exactly while a window of that kind
// exists. A scroll notice of such a window plays the pictures once round in 50 ms steps, forward
// for a scroll down and backward for a scroll up, and stops on the first picture.
#include <QObject>
#include <QPixmap>
#include <QString>

#include <vector>

class QToolButton;
class QWidget;

class TTabellenSymbol : public QObject {
    Q_OBJECT
public:
    // `name` gives the controls' names ("SVTab": SVTabOpenImage, SVTabCloseImage); `bilder` the
    // number of animation pictures.
    TTabellenSymbol(QWidget* parent, const QString& name, const QString& text, int bilder,
                    const QString& hinweisOeffnen, const QString& hinweisSchliessen);
    ~TTabellenSymbol() override;

    QToolButton* OpenImage() const { return m_open; }
    QToolButton* CloseImage() const { return m_close; }

    void Aktualisieren(bool offen);
    void Gescrollt(bool nachUnten);
    // The picture shown now, 1 to the number of pictures.
    int Bild() const { return m_bild; }
    bool Animiert() const { return m_animiert; }
    // One step of the animation (the timer's call).
    void Schritt();

private:
    void BildZeigen(int bild);

    std::vector<QPixmap> m_bilder;
    QToolButton* m_open = nullptr;
    QToolButton* m_close = nullptr;
    int m_bild = 1;
    bool m_vorwaerts = true;
    bool m_animiert = false;
};
