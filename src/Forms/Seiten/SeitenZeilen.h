#pragma once
// Row helpers of the calculation pages: a titled group of label/field rows in a column of the
// page and a row of controls side by side.
// Dense like a desktop form, so that a page fits a 1366 x 768 screen without scrolling.
#include <QString>

#include <initializer_list>

class QFormLayout;
class QGridLayout;
class QVBoxLayout;
class QWidget;

// A group box titled `titel` at the end of `spalte`, on `panel`, with a form layout for its rows.
QFormLayout* SeitenGruppe(QWidget& panel, QVBoxLayout& spalte, const QString& titel);
// A group box titled `titel` at the end of `spalte` with a grid: a caption column and one column
// per heading (row 0 holds the headings).
QGridLayout* SeitenGitter(QWidget& panel, QVBoxLayout& spalte, const QString& titel,
                          std::initializer_list<QString> koepfe);
// The controls side by side without margins of their own; buttons keep their size. Tab runs
// along the row, and focusing the row focuses its first field.
QWidget* SeitenZeile(QWidget& panel, std::initializer_list<QWidget*> controls);
