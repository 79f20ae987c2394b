#include "Gui/MVCListe.h"

#include "Gui/FrmLib.h"
#include "Gui/GuiHooks.h"
#include "Lib/Exception.h"
#include "MVCFrame/IntegerLookup.h"
#include "MVCFrame/StringFileLookup.h"
#include "MVCFrame/StringIniLookup.h"
#include "MVCFrame/StringListValue.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cstdio>
#include <exception>

namespace {

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string Fehlertext(const char* format, int zahl)
{
    char text[64];
    std::snprintf(text, sizeof text, format, zahl);
    return text;
}

// Items split at tab characters into the list box's columns.
class TSpaltenDelegate : public QStyledItemDelegate {
public:
    explicit TSpaltenDelegate(TMVCListBox& liste) : QStyledItemDelegate(&liste), m_liste(liste) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        if (m_liste.Columns() < 2) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        opt.widget->style()->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
        const QStringList teile = text.split('\t');
        const QFontMetrics fm(opt.font);
        painter->setPen(opt.palette.color(
            opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        int start = option.rect.left() + 2;
        for (int spalte = 0; spalte < m_liste.Columns() && spalte < teile.size(); ++spalte) {
            // The last column takes the rest of the text.
            const QString teil = spalte == m_liste.Columns() - 1
                                     ? QStringList(teile.mid(spalte)).join('\t')
                                     : teile[spalte];
            const int breite = m_liste.ColumnWidth(spalte);
            const int ende = start + breite;
            const int textBreite = fm.horizontalAdvance(teil);
            int x = start;
            if (textBreite < breite) {
                if (m_liste.ColumnAlignment(spalte) == TMVCListBox::Rechts)
                    x = ende - textBreite;
                else if (m_liste.ColumnAlignment(spalte) == TMVCListBox::Mitte)
                    x = start + ((breite - textBreite) >> 1);
            }
            painter->drawText(
                QRect(x, option.rect.top(), std::max(ende - x, textBreite), option.rect.height()),
                Qt::AlignLeft | Qt::AlignVCenter, teil);
            start = ende;
        }
    }

private:
    TMVCListBox& m_liste;
};

} // namespace

TMVCListBox::TMVCListBox(TBerechnungForm* owner, QWidget* parent)
    : QListWidget(parent), TMVCControl(owner)
{
    setItemDelegate(new TSpaltenDelegate(*this));
    connect(this, &QListWidget::currentRowChanged, this, [this](int) { Click(); });
    connect(this, &QListWidget::itemSelectionChanged, this, [this] { Click(); });
}

void TMVCListBox::SetColumns(int columns)
{
    if (columns < 0 || columns > 30)
        throw Exception(Fehlertext("Bereichsfehler Columns (%d)", columns));
    m_breiten.resize(static_cast<std::size_t>(columns), 0);
    m_ausrichtungen.resize(static_cast<std::size_t>(columns), Links);
    viewport()->update();
}

void TMVCListBox::PruefeIndex(int index) const
{
    if (index < 0 || index >= Columns())
        throw Exception(Fehlertext("Indexfehler ColumnWidth (%d)", index));
}

int TMVCListBox::ColumnWidth(int index) const
{
    PruefeIndex(index);
    return m_breiten[static_cast<std::size_t>(index)];
}

void TMVCListBox::SetColumnWidth(int index, int width)
{
    PruefeIndex(index);
    m_breiten[static_cast<std::size_t>(index)] = std::clamp(width, 0, viewport()->width());
    viewport()->update();
}

TMVCListBox::TAusrichtung TMVCListBox::ColumnAlignment(int index) const
{
    PruefeIndex(index);
    return m_ausrichtungen[static_cast<std::size_t>(index)];
}

void TMVCListBox::SetColumnAlignment(int index, TAusrichtung ausrichtung)
{
    PruefeIndex(index);
    m_ausrichtungen[static_cast<std::size_t>(index)] = ausrichtung;
    viewport()->update();
}

void TMVCListBox::SetzeItems(const std::vector<std::string>& items)
{
    while (count() > static_cast<int>(items.size()))
        delete takeItem(count() - 1);
    while (count() < static_cast<int>(items.size()))
        addItem(QString());
    for (int i = 0; i < count(); ++i) {
        const QString text = Q(items[static_cast<std::size_t>(i)]);
        if (item(i)->text() != text)
            item(i)->setText(text);
    }
}

void TMVCListBox::SetValue(TValue* value)
{
    if (auto* datei = dynamic_cast<TStringFileLookup*>(value)) {
        TRefreshGuard guard(*this);
        const QSignalBlocker blocker(this);
        try {
            SetzeItems(datei->GetList());
        } catch (const std::exception& e) {
            ShowFehler(QString::fromStdString(e.what()));
        }
    }
    TMVCControl::SetValue(value);
}

void TMVCListBox::Refresh()
{
    if (!m_value)
        return;
    TRefreshGuard guard(*this);
    const QSignalBlocker blocker(this);
    if (auto* liste = dynamic_cast<TStringListValue*>(m_value)) {
        setSelectionMode(liste->MultiSelect() ? ExtendedSelection : SingleSelection);
        const int oben = verticalScrollBar()->value();
        SetzeItems(liste->Items());
        if (liste->MultiSelect()) {
            for (int i = 0; i < count(); ++i) {
                if (item(i)->isSelected() != liste->GetSelected(i))
                    item(i)->setSelected(liste->GetSelected(i));
            }
        }
        verticalScrollBar()->setValue(oben);
        if (currentRow() != liste->GetItemIndex())
            setCurrentRow(liste->GetItemIndex(), liste->MultiSelect()
                                                     ? QItemSelectionModel::NoUpdate
                                                     : QItemSelectionModel::ClearAndSelect);
    } else {
        if (const auto* lookup = dynamic_cast<const TCustomIntegerLookup*>(m_value)) {
            SetzeItems(lookup->Captions());
        } else if (const auto* ini = dynamic_cast<const TStringIniLookup*>(m_value)) {
            TStrings choices;
            ini->GetChoices(choices);
            SetzeItems(choices);
        }
        const QList<QListWidgetItem*> treffer =
            findItems(Q(m_value->GetDisplayText()), Qt::MatchExactly);
        const int index = treffer.isEmpty() ? -1 : row(treffer.front());
        if (currentRow() != index)
            setCurrentRow(index);
    }
    SetControlEnabled(*this, m_value->IsEnabled());
}

void TMVCListBox::Click()
{
    auto* liste = dynamic_cast<TStringListValue*>(m_value);
    if (!liste)
        return;
    Schreiben([this, liste](TValue&) {
        liste->BeginUpdate();
        try {
            if (liste->MultiSelect()) {
                for (int i = 0; i < count() && i < liste->Count(); ++i)
                    liste->SetSelected(i, item(i)->isSelected());
            }
            liste->SetItemIndex(currentRow());
        } catch (...) {
            liste->EndUpdate();
            throw;
        }
        liste->EndUpdate();
    });
}

TMVCComboBox::TMVCComboBox(TBerechnungForm* owner, QWidget* parent)
    : QComboBox(parent), TMVCControl(owner)
{
    // A typed text is the value's text, never a new item of the list.
    setInsertPolicy(NoInsert);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int) { Change(); });
    connect(this, &QComboBox::editTextChanged, this, [this](const QString&) { Change(); });
}

void TMVCComboBox::SetzeItems(const std::vector<std::string>& items)
{
    if (items == m_items && count() == static_cast<int>(items.size()))
        return;
    m_items = items;
    QStringList neu;
    for (const std::string& text : items)
        neu << Q(text);
    QStringList alt;
    for (int i = 0; i < count(); ++i)
        alt << itemText(i);
    if (alt == neu)
        return;
    // An editable box keeps what the user typed.
    const QString text = currentText();
    clear();
    addItems(neu);
    if (isEditable())
        setEditText(text);
}

void TMVCComboBox::SetValue(TValue* value)
{
    if (auto* datei = dynamic_cast<TStringFileLookup*>(value)) {
        TRefreshGuard guard(*this);
        const QSignalBlocker blocker(this);
        try {
            SetzeItems(datei->GetList());
        } catch (const std::exception& e) {
            ShowFehler(QString::fromStdString(e.what()));
            datei->SetDateiName(std::string());
        }
    }
    TMVCControl::SetValue(value);
}

void TMVCComboBox::Refresh()
{
    if (!m_value)
        return;
    TRefreshGuard guard(*this);
    const QSignalBlocker blocker(this);
    if (const auto* lookup = dynamic_cast<const TCustomIntegerLookup*>(m_value)) {
        SetzeItems(lookup->Captions());
    } else if (const auto* ini = dynamic_cast<const TStringIniLookup*>(m_value)) {
        TStrings choices;
        ini->GetChoices(choices);
        // A stored choice that the list does not hold (its file unreadable, missing or without
        // it) is still the one chosen, and shown so.
        const std::string gewaehlt = ini->GetValue();
        if (!gewaehlt.empty() &&
            std::find(choices.begin(), choices.end(), gewaehlt) == choices.end())
            choices.push_back(gewaehlt);
        SetzeItems(choices);
    }
    const QString text = Q(m_value->GetDisplayText());
    if (isEditable()) {
        // The refresh that the box's own write causes keeps what the user is typing.
        if (currentText() != text && !Schreibt())
            setEditText(text);
    } else if (currentText() != text) {
        // Searching the choices costs more than the whole rest of a refresh: only on a change.
        const int index = findText(text, Qt::MatchExactly);
        if (currentIndex() != index)
            setCurrentIndex(index);
    }
    SetControlEnabled(*this, m_value->IsEnabled());
}

void TMVCComboBox::SetItemIndex(int index)
{
    if (index != currentIndex())
        setCurrentIndex(index);
}

void TMVCComboBox::Change()
{
    Schreiben([this](TValue& value) {
        if (!isEditable()) {
            if (auto* lookup = dynamic_cast<TCustomIntegerLookup*>(&value)) {
                lookup->SetItemIndex(currentIndex());
                return;
            }
            if (auto* minMax = dynamic_cast<TIntegerMinMax*>(&value)) {
                minMax->SetValue(currentIndex() + minMax->Minimum());
                return;
            }
        }
        value.SetDisplayText(currentText().toStdString());
    });
}

void TMVCComboBox::focusOutEvent(QFocusEvent* event)
{
    Refresh();
    QComboBox::focusOutEvent(event);
}

void TMVCComboBox::keyPressEvent(QKeyEvent* event)
{
    QComboBox::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        Refresh();
}

void TMVCComboBox::showPopup()
{
    // The list is brought up to date before it opens.
    Refresh();
    QComboBox::showPopup();
}
