#include "Gui/Rechner.h"

#include "Gui/BetragEdit.h"
#include "Gui/FrmLib.h"
#include "Gui/GuiHooks.h"
#include "Lib/Betrag.h"
#include "Lib/Exception.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

TFoRechner* g_instanz = nullptr;

constexpr int kRolleRot = Qt::UserRole + 1;

// Paper colours: the line being written is on white, the older ones on the tape's grey, with a
// torn edge under the line before last.
class TStreifenDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const int anzahl = index.model()->rowCount();
        const bool letzte = index.row() == anzahl - 1;
        const QPalette& palette = option.palette;
        painter->fillRect(option.rect,
                          letzte ? QColor(Qt::white) : palette.color(QPalette::Button));
        if (index.row() == anzahl - 2) {
            painter->setPen(Qt::white);
            for (int x = option.rect.left(); x < option.rect.right(); x += 6)
                painter->drawLine(x, option.rect.bottom(), x + 3, option.rect.bottom() - 2);
        }
        const QString text = index.data().toString().mid(1);
        painter->setPen(index.data(kRolleRot).toBool() ? QColor(Qt::red) : QColor(Qt::black));
        painter->setFont(option.font);
        painter->drawText(option.rect.adjusted(2, 0, -2, 0), Qt::AlignRight | Qt::AlignVCenter,
                          text);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return QSize(option.rect.width(), QFontMetrics(option.font).height());
    }
};

// The number of a tape line ("-1.234,50-+ ") and its places; the sign comes from the line's
// sign character.
bool ZeilenZahl(const QString& zeile, double& wert, int& stellen)
{
    QString zahl;
    for (const QChar c : zeile.mid(1)) {
        if (c.isDigit() || c == kDezimalTrenner || c == kTausenderTrenner)
            zahl += c;
        else if (!zahl.isEmpty())
            break;
    }
    if (zahl.isEmpty())
        return false;
    const std::string text = zahl.toStdString();
    wert = StrToBetragFloat(text);
    stellen = ZaehleNachkommastellen(text);
    const qsizetype vorzeichen = 1 + zahl.size();
    if (vorzeichen < zeile.size() && zeile.at(vorzeichen) == '-')
        wert = -wert;
    return true;
}

} // namespace

TListBoxFixed::TListBoxFixed(QWidget* parent) : QListWidget(parent)
{
    setUniformItemSizes(true);
    setItemDelegate(new TStreifenDelegate(this));
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

QMimeData* TListBoxFixed::mimeData(const QList<QListWidgetItem*>& items) const
{
    if (items.isEmpty() || items.front()->text().trimmed().isEmpty())
        return nullptr;
    auto* daten = new QMimeData;
    daten->setData(MimeTyp(), items.front()->text().toUtf8());
    return daten;
}

TFoRechner::TFoRechner(QWidget* parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName("Rechner");
    setWindowTitle("Rechner");
    setProperty("helpContext", 7000);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    BauOberflaeche();
    m_werk.zeileHinzufuegen = [this](const TRechnerZeile& zeile) { ZeileHinzufuegen(zeile); };
    m_werk.anzeigen = [this](double wert, int stellen) { Anzeigen(wert, stellen); };
    m_werk.zuVieleZiffern = [] { MessageBeep(TBeepArt::Standard); };
    m_werk.fehler = [](const std::string& text) { ShowFehler(QString::fromStdString(text)); };
    g_instanz = this;
}

TFoRechner::~TFoRechner()
{
    if (g_instanz == this)
        g_instanz = nullptr;
}

TFoRechner* TFoRechner::Instanz()
{
    return g_instanz;
}

QAbstractButton* TFoRechner::TastenKnopf(const QString& name, const QString& text, int taste)
{
    auto* knopf = new QToolButton(this);
    knopf->setObjectName(name);
    knopf->setText(text);
    knopf->setFocusPolicy(Qt::NoFocus);
    knopf->setMinimumSize(36, 28);
    connect(knopf, &QToolButton::clicked, this, [this, taste] { Taste(taste); });
    return knopf;
}

void TFoRechner::BauOberflaeche()
{
    m_streifen = new TListBoxFixed(this);
    m_streifen->setObjectName("ListBoxFixed1");
    m_streifen->setMinimumSize(220, 160);
    m_display = new TBetrag(this);
    m_display->setObjectName("ebDisplay");
    m_display->setReadOnly(true);
    m_display->SetMaxLength(20);
    m_display->SetAutoSelect(false);
    m_display->setFocusPolicy(Qt::NoFocus);
    m_display->setAcceptDrops(true);
    m_display->installEventFilter(this);
    m_display->setStyleSheet("QLineEdit { color: lime; background: black; }");

    auto* tasten = new QGridLayout;
    const struct {
        const char* name;
        const char* text;
        int taste;
        int zeile, spalte;
    } kTasten[] = {
        {"spC", "C", kTasteEntf, 0, 0},
        {"spProzent", "%", '%', 0, 1},
        {"spDivision", "÷", '/', 0, 2},
        {"spMultiplikation", "×", '*', 0, 3},
        {"sp7", "7", '7', 1, 0},
        {"sp8", "8", '8', 1, 1},
        {"sp9", "9", '9', 1, 2},
        {"spMinus", "-", '-', 1, 3},
        {"sp4", "4", '4', 2, 0},
        {"sp5", "5", '5', 2, 1},
        {"sp6", "6", '6', 2, 2},
        {"spPlus", "+", '+', 2, 3},
        {"sp1", "1", '1', 3, 0},
        {"sp2", "2", '2', 3, 1},
        {"sp3", "3", '3', 3, 2},
        {"spGleich", "=", kTasteEnter, 3, 3},
        {"sp0", "0", '0', 4, 0},
        {"spKomma", ",", ',', 4, 1},
        {"spPlusMinus", "±", kTasteEinfg, 4, 2},
        {"spSumme", "*", kTasteEnter, 4, 3},
    };
    for (const auto& t : kTasten)
        tasten->addWidget(TastenKnopf(t.name, QString::fromUtf8(t.text), t.taste), t.zeile,
                          t.spalte);

    auto* wahl = new QHBoxLayout;
    auto* gruppe = new QButtonGroup(this);
    const char* kWahl[] = {"A", "0", "1", "2", "3", "4", "5", "6", "F"};
    for (int i = 0; i < 9; ++i) {
        auto* spalte = new QVBoxLayout;
        auto* radio = new QRadioButton(this);
        radio->setObjectName(QString("RadioButton%1").arg(i + 1));
        radio->setFocusPolicy(Qt::NoFocus);
        spalte->addWidget(new QLabel(kWahl[i], this), 0, Qt::AlignHCenter);
        spalte->addWidget(radio, 0, Qt::AlignHCenter);
        wahl->addLayout(spalte);
        gruppe->addButton(radio, i);
        m_stellenWahl << radio;
    }
    connect(gruppe, &QButtonGroup::idClicked, this, [this](int id) {
        if (id == 0)
            m_werk.SetAddierModus();
        else if (id == 8)
            m_werk.SetFliessModus();
        else
            m_werk.SetStellen(id - 1);
    });

    auto* schliessen = new QPushButton("&Schließen", this);
    schliessen->setObjectName("bnSchliessen");
    connect(schliessen, &QPushButton::clicked, this, [this] {
        setProperty("modalResult", 2);
        close();
    });
    m_uebertragen = new QPushButton("Ü&bertragen", this);
    m_uebertragen->setObjectName("bnUebertragen");
    connect(m_uebertragen, &QPushButton::clicked, this, &TFoRechner::Uebertragen);
    for (QPushButton* knopf : {schliessen, m_uebertragen})
        knopf->setFocusPolicy(Qt::NoFocus);
    auto* drucken = new QPushButton("&Drucken", this);
    drucken->setObjectName("bnDrucken");
    drucken->setFocusPolicy(Qt::NoFocus);
    connect(drucken, &QPushButton::clicked, this, &TFoRechner::Drucken);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(m_uebertragen);
    knoepfe->addWidget(drucken);
    knoepfe->addStretch();
    knoepfe->addWidget(schliessen);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(m_display);
    rechts->addLayout(tasten);
    rechts->addLayout(wahl);
    auto* oben = new QHBoxLayout;
    oben->addWidget(m_streifen, 1);
    oben->addLayout(rechts);
    auto* alles = new QVBoxLayout(this);
    alles->addLayout(oben);
    alles->addLayout(knoepfe);

    m_streifen->installEventFilter(this);
}

void TFoRechner::ZielfeldMerken(QWidget* control)
{
    auto* betrag = qobject_cast<TBetrag*>(control);
    m_ziel = betrag && betrag->isEnabled() && !betrag->isReadOnly() ? betrag : nullptr;
}

void TFoRechner::Aktivieren()
{
    m_streifen->setFocus();
    m_streifen->clear();
    const int hoehe = std::max(QFontMetrics(m_streifen->font()).height(), 1);
    m_leerZeilen = std::max(m_streifen->viewport()->height() / hoehe, 1);
    for (int i = 0; i < m_leerZeilen; ++i)
        m_streifen->addItem(QString());
    m_uebertragen->setEnabled(m_ziel != nullptr);
    m_stellenWahl.front()->setChecked(true);
    if (m_ziel)
        m_werk.Start(true, m_ziel->AsFloat(), m_ziel->Dezimalstellen());
    else
        m_werk.Start(false, 0.0, 0);
}

int TFoRechner::ShowModal()
{
    AlsDialog(*this);
    setProperty("modalResult", 0);
    if (QWidget* aktiv = QApplication::activeWindow(); aktiv && aktiv != this)
        CenterForm(*aktiv, *this);
    Aktivieren();
    return GuiHooks().modal ? GuiHooks().modal(*this) : 0;
}

void TFoRechner::Taste(int taste)
{
    m_werk.Taste(taste);
}

void TFoRechner::ZeileHinzufuegen(const TRechnerZeile& zeile)
{
    m_display->clear();
    // The paper moves: the line appears after a short pause, while the window stays responsive.
    Delay(200);
    auto* item = new QListWidgetItem(QString::fromStdString(zeile.text));
    item->setData(kRolleRot, zeile.rot);
    m_streifen->addItem(item);
    m_streifen->scrollToBottom();
}

void TFoRechner::Anzeigen(double wert, int stellen)
{
    m_display->SetDezimalstellen(stellen);
    try {
        m_display->SetAsFloat(wert);
    } catch (const Exception& e) {
        ShowFehler(QString::fromStdString(e.what()));
    }
}

void TFoRechner::Uebertragen()
{
    if (m_ziel) {
        try {
            m_ziel->SetBetrag(BetragSkalieren(m_display->Betrag(), m_ziel->Dezimalstellen(),
                                              m_display->Dezimalstellen()));
        } catch (const Exception& e) {
            ShowFehler(QString::fromStdString(e.what()));
        }
    }
    m_streifen->setFocus();
}

void TFoRechner::Drucken()
{
    QPrinter drucker;
    QPrintDialog dialog(&drucker, this);
    if (GuiHooks().modal && GuiHooks().modal(dialog) == QDialog::Accepted)
        StreifenDrucken(drucker);
    m_streifen->setFocus();
}

void TFoRechner::StreifenDrucken(QPagedPaintDevice& geraet) const
{
    QPainter painter(&geraet);
    const QFont font("Courier", 12);
    painter.setFont(font);
    const QFontMetrics fm(font, &geraet);
    const int unten = painter.viewport().height();
    int y = fm.ascent();
    for (int i = m_leerZeilen; i < m_streifen->count(); ++i) {
        if (y + fm.descent() > unten) {
            geraet.newPage();
            y = fm.ascent();
        }
        const QListWidgetItem* zeile = m_streifen->item(i);
        painter.setPen(zeile->data(kRolleRot).toBool() ? Qt::red : Qt::black);
        // As on the screen: the colour marker is not printed.
        painter.drawText(0, y, zeile->text().mid(1));
        y += fm.lineSpacing();
    }
}

QStringList TFoRechner::StreifenZeilen() const
{
    QStringList zeilen;
    for (int i = m_leerZeilen; i < m_streifen->count(); ++i)
        zeilen << m_streifen->item(i)->text();
    return zeilen;
}

bool TFoRechner::TasteGedrueckt(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Delete:
        Taste(kTasteEntf);
        return true;
    case Qt::Key_Insert:
        Taste(kTasteEinfg);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Taste(kTasteEnter);
        return true;
    case Qt::Key_Escape:
        setProperty("modalResult", 2);
        close();
        return true;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).unicode() < 128 && text.at(0).isPrint() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        Taste(text.at(0).toLatin1());
        return true;
    }
    return false;
}

void TFoRechner::keyPressEvent(QKeyEvent* event)
{
    if (!TasteGedrueckt(event))
        QWidget::keyPressEvent(event);
}

bool TFoRechner::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched == m_streifen)
        return TasteGedrueckt(static_cast<QKeyEvent*>(event));
    if (watched == m_display &&
        (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove)) {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        // Only lines of the tape are taken (their type is private to it).
        if (drag->mimeData()->hasFormat(TListBoxFixed::MimeTyp()))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    if (watched == m_display && event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        double wert = 0;
        int stellen = 0;
        if (ZeilenZahl(QString::fromUtf8(drop->mimeData()->data(TListBoxFixed::MimeTyp())), wert,
                       stellen)) {
            m_werk.Uebernehmen(wert, stellen);
            drop->acceptProposedAction();
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
