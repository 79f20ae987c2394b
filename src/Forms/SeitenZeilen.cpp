#include "Forms/SeitenZeilen.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// A text as the user reads it: mnemonic markers gone.
QString OhneMarker(QString text)
{
    return text.replace("&&", QChar(1)).remove('&').replace(QChar(1), "&");
}

// What a field shows: its text, the choice of a box, a ticked switch by its caption; a row of
// fields side by side; of a stack the field in front. Hidden fields and plain buttons show nothing.
QString FeldText(const QWidget* feld)
{
    if (!feld || feld->isHidden())
        return {};
    if (const auto* combo = qobject_cast<const QComboBox*>(feld))
        return combo->currentText().trimmed();
    if (const auto* edit = qobject_cast<const QLineEdit*>(feld))
        return edit->text().trimmed();
    if (const auto* label = qobject_cast<const QLabel*>(feld))
        return OhneMarker(label->text());
    if (const auto* knopf = qobject_cast<const QAbstractButton*>(feld))
        return knopf->isCheckable() && knopf->isChecked() ? OhneMarker(knopf->text()) : QString();
    if (const auto* stapel = qobject_cast<const QStackedWidget*>(feld))
        return FeldText(stapel->currentWidget());
    QStringList teile;
    for (const QWidget* kind : feld->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (const QString teil = FeldText(kind); !teil.isEmpty())
            teile << teil;
    return teile.join("  ");
}

// The caption of a row (a label, or the radio button that chooses the row), padded.
QString Beschriftung(const QWidget* caption)
{
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(caption))
        text = label->text();
    else if (const auto* knopf = qobject_cast<const QAbstractButton*>(caption))
        text = knopf->text();
    return text.isEmpty() ? text : OhneMarker(text).leftJustified(34);
}

} // namespace

QFormLayout* SeitenGruppe(QWidget& panel, QVBoxLayout& spalte, const QString& titel)
{
    auto* box = new QGroupBox(titel, &panel);
    auto* form = new QFormLayout(box);
    form->setContentsMargins(6, 2, 6, 4);
    form->setVerticalSpacing(2);
    form->setHorizontalSpacing(6);
    form->setLabelAlignment(Qt::AlignLeft);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    spalte.addWidget(box);
    return form;
}

QGridLayout* SeitenGitter(QWidget& panel, QVBoxLayout& spalte, const QString& titel,
                          std::initializer_list<QString> koepfe)
{
    auto* box = new QGroupBox(titel, &panel);
    auto* gitter = new QGridLayout(box);
    gitter->setContentsMargins(6, 2, 6, 4);
    gitter->setVerticalSpacing(2);
    gitter->setHorizontalSpacing(6);
    int spalteNr = 1;
    for (const QString& kopf : koepfe) {
        auto* label = new QLabel("<b>" + kopf + "</b>", box);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        gitter->addWidget(label, 0, spalteNr++);
    }
    spalte.addWidget(box);
    return gitter;
}

QWidget* SeitenZeile(QWidget& panel, std::initializer_list<QWidget*> controls)
{
    auto* zeile = new QWidget(&panel);
    auto* h = new QHBoxLayout(zeile);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(6);
    // Tab runs along the row as it reads, whatever order the controls were made in.
    QWidget* erstes = nullptr;
    QWidget* vorher = nullptr;
    for (QWidget* control : controls) {
        h->addWidget(control, qobject_cast<QAbstractButton*>(control) ? 0 : 1);
        if (!(control->focusPolicy() & Qt::TabFocus))
            continue;
        if (vorher)
            QWidget::setTabOrder(vorher, control);
        else
            erstes = control;
        vorher = control;
    }
    // A caption whose buddy is the row (its letter with Alt, a click beside the fields) focuses
    // the row's first field; Tab passes the row itself by. The policy comes first: set later, it
    // would pass on to the field.
    if (erstes) {
        zeile->setFocusPolicy(Qt::ClickFocus);
        zeile->setFocusProxy(erstes);
    }
    return zeile;
}

QStringList SeitenText(const QWidget& panel)
{
    QStringList zeilen;
    for (QGroupBox* box : panel.findChildren<QGroupBox*>()) {
        if (auto* gitter = qobject_cast<QGridLayout*>(box->layout())) {
            zeilen << QString() << box->title();
            for (int zeile = 1; zeile < gitter->rowCount(); ++zeile) {
                QStringList felder;
                for (int spalte = 1; spalte < gitter->columnCount(); ++spalte) {
                    const QLayoutItem* feld = gitter->itemAtPosition(zeile, spalte);
                    felder << FeldText(feld ? feld->widget() : nullptr).rightJustified(16);
                }
                const QLayoutItem* label = gitter->itemAtPosition(zeile, 0);
                if (!felder.join("").trimmed().isEmpty())
                    zeilen << QString(8, ' ') + Beschriftung(label ? label->widget() : nullptr) +
                                  felder.join(" ");
            }
            continue;
        }
        auto* form = qobject_cast<QFormLayout*>(box->layout());
        if (!form)
            continue;
        zeilen << QString() << box->title();
        for (int zeile = 0; zeile < form->rowCount(); ++zeile) {
            const QLayoutItem* label = form->itemAt(zeile, QFormLayout::LabelRole);
            const QLayoutItem* feld = form->itemAt(zeile, QFormLayout::FieldRole);
            if (!feld)
                feld = form->itemAt(zeile, QFormLayout::SpanningRole);
            const QString text = feld ? FeldText(feld->widget()) : QString();
            if (text.isEmpty())
                continue;
            zeilen << QString(8, ' ') + Beschriftung(label ? label->widget() : nullptr) + text;
        }
    }
    return zeilen;
}
