#include "Forms/Optionen/CustomFoOptionen.h"

#include "Gui/FrmLib.h"
#include "Gui/MVCEdit.h"
#include "Gui/MVCListe.h"
#include "MVCFrame/Berechnung.h"
#include "MVCFrame/Daten.h"
#include "MVCFrame/Value.h"
#include "Options/OptionenJahr.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// Rows of the grid and of the valid-from panel share one spacing, so that each "Ab" edit stands
// beside the edit of its value.
constexpr int kZeilenAbstand = 6;

} // namespace

TCustomFoOptionen::TCustomFoOptionen(QWidget* parent) : TMainPageForm(parent)
{
    m_spalte = new QVBoxLayout(Panel());
    m_spalte->setContentsMargins(12, 10, 12, 10);
    m_spalte->setSpacing(10);
}

void TCustomFoOptionen::init()
{
    m_spalte->addStretch(1);
    TMainPageForm::init();
    SetPopupMenu(nullptr);
}

void TCustomFoOptionen::Drucken(int) {}

QStringList TCustomFoOptionen::DruckText()
{
    return {};
}

void TCustomFoOptionen::SetFetteSchrift(bool bold)
{
    TMainPageForm::SetFetteSchrift(bold);
    SetBoldFont(*Panel(), bold);
}

QString TCustomFoOptionen::Ueberschrift() const
{
    return m_stUeberschrift ? m_stUeberschrift->text() : QString();
}

void TCustomFoOptionen::UeberschriftAnlegen(const QString& text)
{
    m_ueberschrift = text;
    m_stUeberschrift = new QLabel(Panel());
    m_stUeberschrift->setObjectName("stUeberschrift");
    QFont font = m_stUeberschrift->font();
    font.setPointSize(font.pointSize() + 2);
    font.setBold(true);
    m_stUeberschrift->setFont(font);
    m_spalte->addWidget(m_stUeberschrift);
}

void TCustomFoOptionen::JahrSeiteAufbauen(const QString& ueberschrift,
                                          std::span<const TOptionenZeile> zeilen,
                                          std::span<const TBindung> bindungen)
{
    UeberschriftAnlegen(ueberschrift);
    ZeilenAufbauen(zeilen);
    SetBindungen(bindungen);
}

void TCustomFoOptionen::BindControls()
{
    Binden(m_bindungen);
}

QLabel* TCustomFoOptionen::Beschriftung(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, Panel());
    label->setBuddy(buddy);
    return label;
}

QLabel* TCustomFoOptionen::VorgabeLabel(const char* name, const char* wert)
{
    // "DefWert" until the first refresh, as the page was designed.
    auto* label = new QLabel(QStringLiteral("DefWert"), Panel());
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(70);
    m_vorgaben.push_back({label, wert});
    return label;
}

void TCustomFoOptionen::ZeilenAufbauen(std::span<const TOptionenZeile> zeilen)
{
    auto* raster = new QGridLayout;
    raster->setVerticalSpacing(kZeilenAbstand);
    raster->setHorizontalSpacing(8);
    m_spalte->addLayout(raster);
    raster->addWidget(new QLabel(QStringLiteral("Wert"), Panel()), 0, 1,
                      Qt::AlignRight | Qt::AlignBottom);
    raster->addWidget(new QLabel(QStringLiteral("Vorgabe"), Panel()), 0, 3,
                      Qt::AlignRight | Qt::AlignBottom);

    QWidget* paAbWerte = nullptr;
    QVBoxLayout* abSpalte = nullptr;
    const bool mitAb = !zeilen.empty() && zeilen.front().abEdit != nullptr;
    if (mitAb) {
        auto* cbAbDatum = new TMVCComboBox(this, Panel());
        cbAbDatum->setObjectName("cbAbDatum");
        // The caption above its month: the column is no wider than the valid-from edits below.
        auto* kopf = new QVBoxLayout;
        kopf->setSpacing(2);
        kopf->addWidget(Beschriftung(QStringLiteral("Ä&nderung ab:"), cbAbDatum));
        kopf->addWidget(cbAbDatum);
        raster->addLayout(kopf, 0, 4);
        paAbWerte = new QWidget(Panel());
        paAbWerte->setObjectName("paAbWerte");
        abSpalte = new QVBoxLayout(paAbWerte);
        abSpalte->setContentsMargins(0, 0, 0, 0);
        abSpalte->setSpacing(kZeilenAbstand);
        raster->addWidget(paAbWerte, 1, 4, static_cast<int>(zeilen.size()), 1);
    }

    int zeile = 1;
    for (const TOptionenZeile& z : zeilen) {
        auto* edit = new TMVCBetrag(this, Panel());
        edit->setObjectName(z.edit);
        raster->addWidget(Beschriftung(QString::fromUtf8(z.text), edit), zeile, 0);
        raster->addWidget(edit, zeile, 1);
        QLabel* einheit = z.waehrung ? new TMVCLabel(this, Panel()) : new QLabel(Panel());
        einheit->setObjectName(z.einheit);
        einheit->setText(z.waehrung ? QString() : QStringLiteral("%"));
        einheit->setMinimumWidth(32);
        raster->addWidget(einheit, zeile, 2);
        raster->addWidget(VorgabeLabel(z.vorgabe, z.wert), zeile, 3);
        if (abSpalte) {
            auto* ab = new TMVCBetrag(this, paAbWerte);
            ab->setObjectName(z.abEdit);
            ab->setFixedHeight(edit->sizeHint().height());
            abSpalte->addWidget(ab);
        }
        ++zeile;
    }
    if (abSpalte)
        abSpalte->addStretch(1);
    raster->setColumnStretch(5, 1);
}

int TCustomFoOptionen::Jahr() const
{
    const auto* daten =
        Berechnung() ? dynamic_cast<TOptionenDaten*>(&Berechnung()->Daten()) : nullptr;
    return daten ? daten->Jahr() : 0;
}

void TCustomFoOptionen::AfterRefresh()
{
    if (m_stUeberschrift)
        m_stUeberschrift->setText(m_ueberschrift + QString::number(Jahr()) + ':');
    if (!Berechnung())
        return;
    for (const TVorgabe& vorgabe : m_vorgaben) {
        const TValue* wert = Berechnung()->Daten().FindValue(vorgabe.wert);
        vorgabe.label->setText(wert ? QString::fromStdString(wert->GetDefaultAsString())
                                    : QString());
    }
}
