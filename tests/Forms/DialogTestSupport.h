#pragma once
// Support for the tests of the list-and-edit dialogs: a main window over a temporary home with the
// payroll page shown, modal windows answered by the class of the window (nested dialogs answer
// each other), and small helpers that click and type as a user does.
#include "Forms/HauptfensterTestSupport.h"

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

inline std::string DateiLesen(const std::string& datei)
{
    std::ifstream in(datei, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void DateiSchreiben(const std::string& datei, const std::string& inhalt)
{
    std::filesystem::create_directories(std::filesystem::path(datei).parent_path());
    std::ofstream(datei, std::ios::binary) << inhalt;
}

// Clicks row `zeile` of a list, with Ctrl or Shift as given.
inline void ZeileKlicken(QListWidget& liste, int zeile, Qt::KeyboardModifiers mod = {})
{
    const QRect rect = liste.visualItemRect(liste.item(zeile));
    QTest::mouseClick(liste.viewport(), Qt::LeftButton, mod, rect.center());
}

// Focus into a field, select its text, type (or erase it).
inline void Tippen(QWidget& feld, const QString& text)
{
    feld.setFocus();
    QTest::keyClick(&feld, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(&feld, Qt::Key_Backspace);
    QTest::keyClicks(&feld, text);
}

class DialogTest : public EntgeltabrechnungFixture {
protected:
    void SetUp() override
    {
        HauptfensterTest::SetUp();
        // The funds, currencies and reference texts in the temporary home, as at start-up.
        VerzeichnisseVtrl().SetBasisPfad(Verzeichnisse().GetBasisPfad());
        EntgeltabrechnungOeffnen();
        // Windows shown modally are answered by their class; a question is answered "No".
        m_modalAntwort = [this](QWidget& w) {
            w.show();
            if (auto* frage = qobject_cast<QMessageBox*>(&w)) {
                m_fragen << frage->text();
                m_fragenTitel << frage->windowTitle();
                m_neinVorgabe = static_cast<QAbstractButton*>(frage->defaultButton()) ==
                                    frage->button(QMessageBox::No) &&
                                frage->icon() == QMessageBox::Question;
                return m_jaAntwort ? int(QMessageBox::Yes) : int(QMessageBox::No);
            }
            for (auto& [pruefen, antworten] : m_antworten)
                if (pruefen(w))
                    return antworten(w);
            ADD_FAILURE() << "unanswered window " << w.objectName().toStdString();
            return 0;
        };
    }
    // The dialogs' fields are typed into by the widget itself.
    static void Tippen(QWidget& feld, const QString& text) { ::Tippen(feld, text); }
    // Answers every modal window of class T.
    template <class T> void Antwort(std::function<int(T&)> antworten)
    {
        m_antworten.emplace_back(
            [](QWidget& w) { return dynamic_cast<T*>(&w) != nullptr; },
            [antworten](QWidget& w) { return antworten(dynamic_cast<T&>(w)); });
    }

    std::vector<std::pair<std::function<bool(QWidget&)>, std::function<int(QWidget&)>>> m_antworten;
    bool m_jaAntwort = false;
    bool m_neinVorgabe = false;
    QStringList m_fragen;
    QStringList m_fragenTitel;
};
