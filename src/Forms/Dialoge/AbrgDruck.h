#pragma once
// The print dialog of the payroll statement: the employee's name and the statement period printed
// on it. The names typed here are kept in "ARBEITNE.TXT" (one per line) in the employees
// directory and offered again on the next print.
#include "Gui/XoForm.h"

#include <QStringList>

#include <string>

class QComboBox;
class QGroupBox;
class QPushButton;
class TValue;

class TFoAbrgDruck : public TBaseForm {
    Q_OBJECT
public:
    explicit TFoAbrgDruck(QWidget* parent = nullptr);

    // Shows the dialog over the two values; on "&Drucken" writes the texts back and returns true.
    // `caption` empty keeps the dialog's own; the period group shows only with `zeitraumZeigen`.
    static bool Ausfuehren(const QString& caption, TValue& arbeitnehmer, bool zeitraumZeigen,
                           TValue& zeitraum);

    // The employees file in the employees directory.
    static std::string ArbeitnehmerDatei();

    // Opening: the list from the file, the delete button's state.
    void FormActivate();
    void cbArbeitnehmerChange();
    void bnANLoeschenClick();
    // Closing: a new name joins the list and the file.
    void FormCloseQuery();

    QComboBox* cbArbeitnehmer() const { return m_cbArbeitnehmer; }
    QComboBox* cbAbrgZeitraum() const { return m_cbAbrgZeitraum; }
    QGroupBox* gbZeitraum() const { return m_gbZeitraum; }
    QPushButton* bnANLoeschen() const { return m_bnANLoeschen; }
    QPushButton* bnDrucken() const { return m_bnDrucken; }
    QPushButton* bnHilfe() const { return m_bnHilfe; }
    const QStringList& Liste() const { return m_liste; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ListeLaden();
    void ListeSpeichern();
    void ListeAnzeigen();

    QStringList m_liste;
    QComboBox* m_cbArbeitnehmer = nullptr;
    QComboBox* m_cbAbrgZeitraum = nullptr;
    QGroupBox* m_gbZeitraum = nullptr;
    QPushButton* m_bnANLoeschen = nullptr;
    QPushButton* m_bnDrucken = nullptr;
    QPushButton* m_bnHilfe = nullptr;
};
