// The underlined letters of the calculation pages, as a user meets them in the main window: Alt
// with a caption's letter puts the cursor into the field the caption names.
#include "Forms/HauptfensterTestSupport.h"
#include "Forms/MainForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <string>
#include <utility>
#include <vector>

namespace {

struct TSeitenTasten {
    const char* name;
    int seite;
    // In this order: a letter may choose a switch that enables the next rows' fields.
    std::vector<std::pair<Qt::Key, const char*>> tasten;
};

const TSeitenTasten kSeiten[] = {
    {"payroll",
     1,
     {{Qt::Key_J, "cbJahr"},
      {Qt::Key_Z, "cbLZZ"},
      {Qt::Key_E, "ebSteuertage"},
      {Qt::Key_V, "ebSVTage"},
      {Qt::Key_K, "cbStKl"},
      {Qt::Key_G, "edGeburtsdatum"},
      {Qt::Key_F, "ebLStK_FB"},
      {Qt::Key_U, "ebEntgelt"},
      {Qt::Key_N, "ebNetto"}}},
    {"income_tax",
     2,
     {{Qt::Key_V, "cbVZ"},
      {Qt::Key_H, "cbWaehrungName"},
      {Qt::Key_U, "chUmrechnen"},
      {Qt::Key_S, "rbSplittingTab"},
      {Qt::Key_G, "rbGrundTab"},
      {Qt::Key_K, "rbEStEingabe"},
      {Qt::Key_Z, "rbZVEEingabe"},
      {Qt::Key_P, "ebProgEink"},
      {Qt::Key_N, "ebSonstSt"}}},
    {"marginal_employment",
     5,
     {{Qt::Key_J, "cbJahr"},
      {Qt::Key_E, "ebSteuertage"},
      {Qt::Key_P, "rbPLSt"},
      {Qt::Key_L, "rbLStK"},
      {Qt::Key_K, "cbStKl"},
      {Qt::Key_G, "edGeburtsdatum"},
      {Qt::Key_F, "ebLStK_FB"},
      {Qt::Key_R, "ebEntgelt"},
      {Qt::Key_N, "ebNetto"}}},
    {"tax_class_comparison",
     7,
     {{Qt::Key_J, "cbJahr"},
      {Qt::Key_Z, "cbLZZ"},
      {Qt::Key_E, "ebBruttoA"},
      {Qt::Key_K, "cbKiFBA"},
      {Qt::Key_F, "ebLStK_FBA"},
      {Qt::Key_H, "ebLStK_HBA"},
      {Qt::Key_V, "ebVersBezA"},
      {Qt::Key_U, "edGeburtsdatumA"},
      {Qt::Key_R, "edBGSA"},
      {Qt::Key_I, "ebKVZBSatzA"}}},
};

class SeitenTastenTest : public HauptfensterTest,
                         public testing::WithParamInterface<TSeitenTasten> {};

TEST_P(SeitenTastenTest, EachAltLetterLandsInTheFieldItsCaptionNames)
{
    const TSeitenTasten& s = GetParam();
    FensterOeffnen(s.seite);
    ASSERT_EQ(m_fenster->PageIndex(), s.seite);
    for (const auto& [taste, feld] : s.tasten) {
        QWidget* ziel = m_fenster->ActivePageForm()->Panel()->findChild<QWidget*>(feld);
        ASSERT_NE(ziel, nullptr) << feld;
        m_fenster->PageContainer()->setFocus();
        QTest::keyClick(m_fenster.get(), taste, Qt::AltModifier);
        QWidget* fokus = QApplication::focusWidget();
        // A switch is pressed too, a moment later, and may show the fields of the next rows.
        if (auto* knopf = qobject_cast<QAbstractButton*>(fokus)) {
            EXPECT_TRUE(QTest::qWaitFor([knopf] { return !knopf->isDown(); })) << feld;
        }
        EXPECT_TRUE(fokus && (fokus == ziel || ziel->isAncestorOf(fokus)))
            << QKeySequence(taste).toString().toStdString() << " -> " << feld << ", not "
            << (fokus ? fokus->objectName().toStdString() : std::string("nothing"));
    }
}

INSTANTIATE_TEST_SUITE_P(Seiten, SeitenTastenTest, testing::ValuesIn(kSeiten),
                         [](const auto& i) { return std::string(i.param.name); });

} // namespace
