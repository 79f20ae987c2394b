#pragma once
// The option pages, each bound to one options calculation of the options container:
//
//   TFoOptionenAllgemein       the general options: nine switches and the tray picture
//   TFoOptionenKindergeld      child benefit of a year, with valid-from amounts
//   TFoOptionenBBG             contribution ceilings of a year
//   TFoOptionenBeitragssaetze  contribution rates of a year, with valid-from rates
//   TFoOptionenGleitzone       total rate of the transition zone and the factor it gives
//   TFoOptionenKammernAllg     the names of the two employee chambers
//   TFoOptionenKammern         chamber rates and the Bremen exemption limit of a year
//   TFoOptionenUpdate          how often to look for program updates, and when it was done last
#include "Forms/Optionen/CustomFoOptionen.h"

#include <QPixmap>

class QButtonGroup;
class QLabel;
class QRadioButton;

class TFoOptionenAllgemein : public TCustomFoOptionen {
    Q_OBJECT
public:
    explicit TFoOptionenAllgemein(QWidget* parent = nullptr);
    // The tray picture of the switch "InfobereichSymbol": on or off.
    static QPixmap SymbolBild(bool ein);

protected:
    void AfterRefresh() override;

private:
    QLabel* m_igSymbolEin = nullptr;
    QLabel* m_igSymbolAus = nullptr;
};

class TFoOptionenKindergeld : public TCustomFoOptionen {
    Q_OBJECT
public:
    explicit TFoOptionenKindergeld(QWidget* parent = nullptr);
};

class TFoOptionenBBG : public TCustomFoOptionen {
    Q_OBJECT
public:
    explicit TFoOptionenBBG(QWidget* parent = nullptr);
};

class TFoOptionenBeitragssaetze : public TCustomFoOptionen {
    Q_OBJECT
public:
    explicit TFoOptionenBeitragssaetze(QWidget* parent = nullptr);
};

class TFoOptionenGleitzone : public TCustomFoOptionen {
    Q_OBJECT
public:
    explicit TFoOptionenGleitzone(QWidget* parent = nullptr);

protected:
    void AfterRefresh() override;

private:
    QLabel* m_stFaktor = nullptr;
};

class TFoOptionenKammernAllg : public TCustomFoOptionen {
    Q_OBJECT
public:
    explicit TFoOptionenKammernAllg(QWidget* parent = nullptr);
};

class TFoOptionenKammern : public TCustomFoOptionen {
    Q_OBJECT
public:
    explicit TFoOptionenKammern(QWidget* parent = nullptr);
};

class TFoOptionenUpdate : public TCustomFoOptionen {
    Q_OBJECT
public:
    explicit TFoOptionenUpdate(QWidget* parent = nullptr);

protected:
    void AfterRefresh() override;

private:
    void RhythmusGewaehlt(int index);

    QButtonGroup* m_rhythmus = nullptr;
    QLabel* m_stZuletztGesucht = nullptr;
};
