#include "Gui/DoubleEingabe.h"

#include "Gui/BetragEdit.h"
#include "Gui/FrmLib.h"
#include "Gui/GuiHooks.h"
#include "Lib/Exception.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

TFoDoubleEingabe::TFoDoubleEingabe(QWidget* parent)
    : TBaseForm(parent, Qt::Dialog), m_betrag(new TBetrag(this)),
      m_ok(new QPushButton("&OK", this)), m_abbrechen(new QPushButton("Abbrechen", this))
{
    setObjectName("FoDoubleEingabe");
    setWindowTitle("Neuer Betrag");
    m_betrag->setObjectName("Betrag1");
    m_betrag->SetMinus(false);
    m_ok->setObjectName("bnOK");
    m_ok->setDefault(true);
    m_abbrechen->setObjectName("bnAbbrechen");

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(m_ok);
    knoepfe->addWidget(m_abbrechen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_betrag);
    layout->addLayout(knoepfe);

    connect(m_ok, &QPushButton::clicked, this, &TFoDoubleEingabe::bnOKClick);
    connect(m_abbrechen, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
}

void TFoDoubleEingabe::SetWert(double wert)
{
    m_wert = wert;
    try {
        m_betrag->SetAsFloat(wert);
    } catch (const Exception&) {
        m_betrag->clear();
    }
}

int TFoDoubleEingabe::ShowModalBei(int x, int y)
{
    AlsDialog(*this);
    // Wide enough for the whole title beside the frame's buttons, before it is placed: a window
    // resized once shown is placed by its inner corner.
    setMinimumWidth(std::max(minimumWidth(), fontMetrics().horizontalAdvance(windowTitle()) + 140));
    adjustSize();
    MoveFormInScreen(*this, x, y);
    setProperty("modalResult", mrNone);
    return GuiHooks().modal ? GuiHooks().modal(*this) : mrNone;
}

void TFoDoubleEingabe::bnOKClick()
{
    // The focus leaves the field first, so that a pending edit is part of the amount.
    m_ok->setFocus();
    m_wert = m_betrag->AsFloat();
    SetModalResult(mrOk);
}

void TFoDoubleEingabe::showEvent(QShowEvent* event)
{
    TBaseForm::showEvent(event);
    m_betrag->setFocus();
    m_betrag->selectAll();
}

void TFoDoubleEingabe::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        bnOKClick();
        return;
    case Qt::Key_Escape:
        SetModalResult(mrCancel);
        return;
    default:
        TBaseForm::keyPressEvent(event);
    }
}
