#include "Forms/Seiten/SeitenZeilen.h"

#include <QAbstractButton>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

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
