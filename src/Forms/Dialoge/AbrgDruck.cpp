#include "Forms/Dialoge/AbrgDruck.h"

#include "Gui/FrmLib.h"
#include "Gui/GuiHooks.h"
#include "Lib/FileSystem.h"
#include "Lib/StrLib.h"
#include "MVCFrame/Value.h"
#include "Options/Verzeichnisse.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A list of names is small; a file far beyond that is not ours to read.
constexpr std::size_t kMaxDateiGroesse = 1 << 20;

} // namespace

TFoAbrgDruck::TFoAbrgDruck(QWidget* parent) : TBaseForm(parent, Qt::Dialog)
{
    setObjectName("FoAbrgDruck");
    setWindowTitle("Druck Entgeltabrechnung");
    auto* haupt = new QVBoxLayout(this);

    auto* gbArbeitnehmer = new QGroupBox("&Arbeitnehmer:", this);
    auto* zeile = new QHBoxLayout(gbArbeitnehmer);
    m_cbArbeitnehmer = new QComboBox(gbArbeitnehmer);
    m_cbArbeitnehmer->setObjectName("cbArbeitnehmer");
    m_cbArbeitnehmer->setEditable(true);
    m_cbArbeitnehmer->setInsertPolicy(QComboBox::NoInsert);
    m_cbArbeitnehmer->setMinimumWidth(240);
    m_bnANLoeschen = new QPushButton("&Löschen", gbArbeitnehmer);
    m_bnANLoeschen->setObjectName("bnANLoeschen");
    zeile->addWidget(m_cbArbeitnehmer, 1);
    zeile->addWidget(m_bnANLoeschen);
    haupt->addWidget(gbArbeitnehmer);

    m_gbZeitraum = new QGroupBox("&Zeitraum", this);
    m_gbZeitraum->setObjectName("gbZeitraum");
    auto* zeitraum = new QHBoxLayout(m_gbZeitraum);
    m_cbAbrgZeitraum = new QComboBox(m_gbZeitraum);
    m_cbAbrgZeitraum->setObjectName("cbAbrgZeitraum");
    m_cbAbrgZeitraum->setEditable(true);
    zeitraum->addWidget(m_cbAbrgZeitraum);
    haupt->addWidget(m_gbZeitraum);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    m_bnDrucken = new QPushButton("&Drucken", this);
    m_bnDrucken->setObjectName("bnDrucken");
    m_bnDrucken->setDefault(true);
    auto* abbrechen = new QPushButton("Abbrechen", this);
    abbrechen->setObjectName("MyButton2");
    m_bnHilfe = new QPushButton("&Hilfe", this);
    m_bnHilfe->setObjectName("bnHilfe");
    knoepfe->addWidget(m_bnDrucken);
    knoepfe->addWidget(abbrechen);
    knoepfe->addWidget(m_bnHilfe);
    haupt->addLayout(knoepfe);

    connect(m_cbArbeitnehmer, &QComboBox::editTextChanged, this,
            &TFoAbrgDruck::cbArbeitnehmerChange);
    connect(m_bnANLoeschen, &QPushButton::clicked, this, &TFoAbrgDruck::bnANLoeschenClick);
    connect(m_bnDrucken, &QPushButton::clicked, this, [this] { SetModalResult(mrOk); });
    connect(abbrechen, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
    // Also from the two combo boxes: while a list is open, Enter picks its entry instead.
    DialogTasten(*this, *m_bnDrucken, *abbrechen);
}

std::string TFoAbrgDruck::ArbeitnehmerDatei()
{
    return JoinPath(VerzeichnisseVtrl().GetPfad(TVerzeichnisseVtrl::kArbeitnehmer).GetValue(),
                    "ARBEITNE.TXT");
}

bool TFoAbrgDruck::Ausfuehren(const QString& caption, TValue& arbeitnehmer, bool zeitraumZeigen,
                              TValue& zeitraum)
{
    TFoAbrgDruck dialog;
    dialog.init();
    if (!caption.isEmpty())
        dialog.setWindowTitle(caption);
    dialog.m_gbZeitraum->setVisible(zeitraumZeigen);
    dialog.m_cbArbeitnehmer->setEditText(QString::fromStdString(arbeitnehmer.GetAsString()));
    dialog.m_cbAbrgZeitraum->setEditText(QString::fromStdString(zeitraum.GetAsString()));
    dialog.FormActivate();
    if (dialog.ShowModal() != mrOk)
        return false;
    arbeitnehmer.SetAsString(dialog.m_cbArbeitnehmer->currentText().toStdString());
    zeitraum.SetAsString(dialog.m_cbAbrgZeitraum->currentText().toStdString());
    return true;
}

void TFoAbrgDruck::FormActivate()
{
    m_bnHilfe->hide();
    ListeLaden();
    ListeAnzeigen();
    cbArbeitnehmerChange();
}

void TFoAbrgDruck::cbArbeitnehmerChange()
{
    m_bnANLoeschen->setEnabled(m_liste.contains(m_cbArbeitnehmer->currentText()));
}

void TFoAbrgDruck::bnANLoeschenClick()
{
    const QString name = m_cbArbeitnehmer->currentText();
    if (m_liste.removeAll(name) > 0) {
        ListeSpeichern();
        ListeAnzeigen();
        m_cbArbeitnehmer->setEditText(QString());
    }
    cbArbeitnehmerChange();
}

void TFoAbrgDruck::FormCloseQuery()
{
    const QString name = m_cbArbeitnehmer->currentText().trimmed();
    if (name.isEmpty() || m_liste.contains(name))
        return;
    m_liste.append(name);
    ListeSpeichern();
}

void TFoAbrgDruck::closeEvent(QCloseEvent* event)
{
    FormCloseQuery();
    TBaseForm::closeEvent(event);
}

void TFoAbrgDruck::ListeLaden()
{
    m_liste.clear();
    std::string inhalt;
    if (ReadWholeFile(ArbeitnehmerDatei(), inhalt, kMaxDateiGroesse) != 0)
        return; // no file yet: no names
    for (const QString& zeile : QString::fromUtf8(inhalt).split('\n')) {
        const QString name = zeile.trimmed();
        if (!name.isEmpty() && !m_liste.contains(name))
            m_liste.append(name);
    }
}

void TFoAbrgDruck::ListeSpeichern()
{
    const std::string datei = ArbeitnehmerDatei();
    std::string inhalt;
    for (const QString& name : m_liste)
        inhalt += name.toStdString() + "\n";
    // The printing goes on when the list cannot be kept; the user is told why.
    try {
        const auto ende = datei.find_last_of('/');
        if (ende != std::string::npos)
            ForceDirectories(datei.substr(0, ende + 1));
        if (const int fehler = WriteFileAtomic(datei, inhalt); fehler != 0)
            RaiseSystemError(fehler, datei);
    } catch (const std::exception& e) {
        ShowFehler(QString::fromStdString(e.what()));
    }
}

void TFoAbrgDruck::ListeAnzeigen()
{
    const QString text = m_cbArbeitnehmer->currentText();
    m_cbArbeitnehmer->blockSignals(true);
    m_cbArbeitnehmer->clear();
    m_cbArbeitnehmer->addItems(m_liste);
    m_cbArbeitnehmer->setEditText(text);
    m_cbArbeitnehmer->blockSignals(false);
}
