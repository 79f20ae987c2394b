#pragma once
// A label and a button with the program's defaults: labels keep the size they are given (long
// captions are not meant to push the layout), buttons start at 89 x 24.
#include <QLabel>
#include <QPushButton>

class TMyLabel : public QLabel {
public:
    explicit TMyLabel(QWidget* parent = nullptr) : QLabel(parent)
    {
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
};

class TMyButton : public QPushButton {
public:
    explicit TMyButton(QWidget* parent = nullptr) : QPushButton(parent) { resize(89, 24); }
    QSize sizeHint() const override { return QSize(89, 24).expandedTo(QPushButton::sizeHint()); }
};
