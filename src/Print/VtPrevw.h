#pragma once
// The print preview, page 6 of the main window: one object printout drawn on the image of a
// portrait A4 sheet (5 pixels per millimetre plus a shadow margin), scaled into the page with
// the sheet's proportions. The printout is laid out on the program's paper (its page, resolution
// and fonts) and drawn scaled onto the sheet, so its lines and sheets break where the paper's
// do. A click on the sheet toggles a magnified view centred on the clicked
// point. A printout longer than one sheet is paged through sheet by sheet, with the buttons of
// a small bar in the page's corner that names the sheet shown.
//
//   TVtPrintPreviewDaten        the preview's data set: no values.
//   TVtPrintPreviewBerechnung   "PreviewBerechnung": owns the printout shown.
//   TFoVtPrintPreview           the page: draws the printout on every refresh.
#include "Gui/PageForm.h"
#include "MVCFrame/Berechnung.h"
#include "MVCFrame/Daten.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QScrollArea;
class QToolButton;
class TVtDruck;

class TVtPrintPreviewDaten : public TDaten {
public:
    using TDaten::TDaten;

protected:
    void CreateValues() override {}
};

class TVtPrintPreviewBerechnung : public TBerechnung {
public:
    using TBerechnung::TBerechnung;
    ~TVtPrintPreviewBerechnung() override;

    TVtDruck* Druck() const { return m_druck.get(); }
    // Keeps `druck` and frees the printout held so far (nullptr allowed); handing over the one
    // already held changes nothing.
    void SetDruck(std::unique_ptr<TVtDruck> druck);

protected:
    TDaten* CreateDaten() override;

private:
    std::unique_ptr<TVtDruck> m_druck;
};

// The sheet on screen: the image stretched to the control's bounds.
class TVorschauBild : public QWidget {
    Q_OBJECT
public:
    explicit TVorschauBild(QWidget* parent);

    QImage& Bild() { return m_bild; }
    std::function<void(QPoint)> OnMouseDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage m_bild;
};

class TFoVtPrintPreview : public TPageForm {
    Q_OBJECT
public:
    explicit TFoVtPrintPreview(QWidget* parent = nullptr);

    // The preview has no print command and no text of its own.
    void Drucken(int) override {}
    QStringList DruckText() override { return {}; }

    // The sheet's bounds inside a page panel of `panel` pixels: as large as fits with a border
    // of 5 pixels, centred across the other way.
    static QRect BildRechteck(QSize panel);
    // Shadow margin of the sheet image at `pixelProZoll` of the screen.
    static int RandFuer(int pixelProZoll) { return pixelProZoll / 11; }

    void BildMouseDown(QPoint punkt);
    void PanelResize();

    // The sheet shown (from 1) and the printout's sheets; another sheet is drawn at once.
    int Blatt() const { return m_blatt; }
    int Blaetter() const { return m_blaetter; }
    void BlattZeigen(int blatt);

    TVorschauBild* Bild() const { return m_bild; }
    QWidget* BlattLeiste() const { return m_blattLeiste; }
    QToolButton* bnVorigesBlatt() const { return m_bnVoriges; }
    QToolButton* bnNaechstesBlatt() const { return m_bnNaechstes; }
    int Rand() const { return m_rand; }
    bool Vergroessert() const { return m_vergroessert; }
    TVtPrintPreviewBerechnung* PreviewBerechnung() const;

protected:
    void AfterRefresh() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The scrolling area the page's panel is shown in, or nullptr.
    QScrollArea* Bereich() const;
    // The panel takes its new minimum size at once.
    void PanelGroesse(QSize minimum);

    TVorschauBild* m_bild = nullptr;
    QWidget* m_blattLeiste = nullptr;
    QToolButton* m_bnVoriges = nullptr;
    QLabel* m_stBlatt = nullptr;
    QToolButton* m_bnNaechstes = nullptr;
    // The printout last drawn: a new one starts on its first sheet.
    const TVtDruck* m_gezeichnet = nullptr;
    int m_blatt = 1;
    int m_blaetter = 1;
    int m_rand = 0;
    bool m_vergroessert = false;
};
