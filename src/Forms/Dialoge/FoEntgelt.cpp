#include "Forms/Dialoge/FoEntgelt.h"

#include "Engine/Abrechnung/DetailEntgelte.h"
#include "Gui/GuiHooks.h"
#include "Gui/MVCButton.h"
#include "Gui/MVCEdit.h"
#include "Gui/MVCListe.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>

#include <algorithm>
#include <exception>

namespace {

template <class T> T* Neu(TBerechnungForm* form, QWidget* parent, const char* name)
{
    auto* control = new T(form, parent);
    control->setObjectName(name);
    return control;
}

// A reference text is one line of BEZUEGE.TXT, and tabs separate the columns of the pay list.
std::string Einzeilig(std::string text)
{
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return text;
}

} // namespace

TFoEntgelt::TFoEntgelt(QWidget* parent) : TEintragDialog(parent)
{
    setObjectName("FoEntgelt");
    setWindowTitle("Entgelt Detail-Eingabe");
    QFormLayout* f = Felder();

    auto* textZeile = new QHBoxLayout;
    m_text = Gebunden(Neu<TMVCComboBox>(this, this, "cbText"), "Bezeichnung");
    m_text->setEditable(true);
    m_text->setInsertPolicy(QComboBox::NoInsert);
    m_text->setMinimumWidth(260);
    // Its width is not measured from the texts: a file of many thousand would take seconds.
    m_text->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    textZeile->addWidget(m_text, 1);
    textZeile->addWidget(new QLabel("(optional)", this));
    m_txtLoeschen = Neu<TMVCButton>(this, this, "bnTxtLoeschen");
    m_txtLoeschen->setText("Lös&chen");
    m_txtLoeschen->setAutoDefault(false);
    textZeile->addWidget(m_txtLoeschen);
    auto* textLabel = new QLabel("&Text:", this);
    textLabel->setBuddy(m_text);
    f->addRow(textLabel, textZeile);

    auto betrag = [this, f](const char* name, const char* wert, const QString& text) {
        auto* feld = Gebunden(Neu<TMVCBetrag>(this, this, name), wert);
        feld->setMaximumWidth(140);
        f->addRow(text, feld);
    };
    auto check = [this, f](const char* name, const char* wert, const QString& text) {
        auto* box = Gebunden(Neu<TMVCCheckBox>(this, this, name), wert);
        box->setText(text);
        f->addRow(box);
    };
    betrag("ebBetrag", "Betrag", "&Betrag:");
    // Tab goes from the text to the amount, whether the text is a stored one (the button enabled)
    // or not; deleting a stored text is the rarer step.
    Gebunden(m_txtLoeschen, "TextLoeschen");
    check("chVersorgungsbezug", "Versorgungsbezug", "&Versorgungsbezug");
    check("chAbfindung", "Abfindung", "&Entschädigung (steuerpflichtig)");
    check("chMehrJhrig", "MehrJhrig", "Vergütung für &mehrjährige Tätigkeit");
    check("chEinmalzahlung", "Einmalzahlung", "S&onstiger Bezug");
    check("chSozVersPflicht", "SozVersPflicht", "So&zialversicherungspflichtig");
    check("chStPflicht", "StPflicht", "&Steuerpflichtig");
    check("chPauschal", "Pauschal", "&Pauschal");
    betrag("ebPauschSatz", "PauschSatz", "&Lohnsteuersatz:");
    betrag("ebPKiStSatz", "PKiStSatz", "&Kirchensteuersatz:");
    check("chNetto", "NettoVereinb", "&Nettolohnvereinbarung");
    // "S&onstiger Bezug" has the O: Enter presses OK.
    bnOK()->setText("OK");
    connect(m_txtLoeschen, &QPushButton::clicked, this, &TFoEntgelt::bnTxtLoeschenClick);
}

void TFoEntgelt::Speichern()
{
    auto* entgelt = dynamic_cast<TDetailEntgelt*>(Berechnung());
    if (!entgelt)
        return;
    TStringFileLookup& text = entgelt->DetailEntgeltDaten().Bezeichnung();
    const std::string einzeilig = Einzeilig(text.GetValue());
    if (einzeilig != text.GetValue())
        text.SetValue(einzeilig);
    if (einzeilig.find_first_not_of(' ') == std::string::npos)
        return;
    // The component is fine without its text among the offers: a file that cannot be written
    // is reported, and the dialog closes all the same.
    try {
        if (!text.Enthaelt(einzeilig))
            text.AddCurrent();
    } catch (const std::exception& e) {
        ShowFehler(QString::fromStdString(e.what()));
    }
}

void TFoEntgelt::bnTxtLoeschenClick()
{
    auto* entgelt = dynamic_cast<TDetailEntgelt*>(Berechnung());
    if (!entgelt || !m_txtLoeschen->isEnabled())
        return;
    TStringFileLookup& text = entgelt->DetailEntgeltDaten().Bezeichnung();
    try {
        text.DeleteCurrent();
    } catch (const std::exception& e) {
        ShowFehler(QString::fromStdString(e.what()));
    }
    // The choices are read from the file when the value is bound.
    m_text->SetValue(&text);
}
