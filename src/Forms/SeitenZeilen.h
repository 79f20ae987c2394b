#pragma once
// Row helpers of the calculation pages: a titled group of label/field rows in a column of the
// page, a row of controls side by side, and the page's groups as text lines ("Seite kopieren").
// Dense like a desktop form, so that a page fits a 1366 x 768 screen without scrolling.
#include <QString>
#include <QStringList>

#include <initializer_list>

class QFormLayout;
class QVBoxLayout;
class QWidget;

// A group box titled `titel` at the end of `spalte`, on `panel`, with a form layout for its rows.
QFormLayout* SeitenGruppe(QWidget& panel, QVBoxLayout& spalte, const QString& titel);
// The controls side by side without margins of their own; buttons keep their size.
QWidget* SeitenZeile(QWidget& panel, std::initializer_list<QWidget*> controls);
// Every group box of the panel: its title, then each shown row as caption and field text.
QStringList SeitenText(const QWidget& panel);
