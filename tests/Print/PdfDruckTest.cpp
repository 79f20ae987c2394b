// Every printout of this batch rendered into a PDF through the Qt canvas, two copies each: one
// page per copy, and nothing raised for a fresh calculation.
#include "PdfSeiten.h"
#include "Engine/Einkommensteuer/EStBerechnung.h"
#include "Engine/Geringfuegig/Geringf.h"
#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Vergleich/StKlVergleich.h"
#include "Engine/Vergleich/VerglBrg.h"
#include "Lib/Component.h"
#include "Print/EStDruck.h"
#include "Print/EStVergleichDruck.h"
#include "Print/GfBDruck.h"
#include "Print/LohnVergleichDruck.h"
#include "Print/QtDruckCanvas.h"
#include "Print/StKlVergleichDruck.h"
#include "Support/OptionenUmgebung.h"

#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

int ZweiKopienAlsPdf(TVtDruck& druck)
{
    QTemporaryDir ordner;
    const QString pdf = ordner.filePath("druck.pdf");
    {
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(pdf);
        TQtDruckAuftrag auftrag(drucker);
        druck.Kopien = 2;
        druck.Drucken(auftrag);
    }
    return PdfSeiten(pdf);
}

TEST(PdfDruck, EveryPrintoutOnePagePerCopy)
{
    TOptionenUmgebung umgebung;
    TOptionenUmgebung::Starten();
    const auto gfb = MakeComponent<TGeringfuegigBerechnung>(nullptr, "GfB");
    const auto stkl = MakeComponent<TStKlVergleichBerechnung>(nullptr, "StKlVergleich");
    stkl->init();
    const auto estVgl = MakeComponent<TVergleichBerechnung>(nullptr, "EStVergleich",
                                                            &ErzeugeBerechnung<TEStBerechnung>);
    const auto lohnVgl = MakeComponent<TVergleichBerechnung>(nullptr, "LohnVergleich",
                                                             &ErzeugeBerechnung<TLohnBerechnung>);
    const auto est = MakeComponent<TEStBerechnung>(nullptr, "EST");
    const auto lohn = MakeComponent<TLohnBerechnung>(nullptr, "LOHN");
    estVgl->SetDaten1(*est);
    estVgl->SetDaten2(*est);
    lohnVgl->SetDaten1(*lohn);
    lohnVgl->SetDaten2(*lohn);

    TVtDruckGeringfuegig geringfuegig(gfb->GeringfuegigDaten());
    TVtDruckStKlVergleich steuerklassen(stkl->StKlVergleichDaten());
    TVtDruckEStVergleich estVergleich(estVgl->VergleichDaten());
    TVtDruckLohnVergleich lohnVergleich(lohnVgl->VergleichDaten(), true);
    TVtDruckEinkommensteuer einkommensteuer(est->EStDaten());
    for (TVtDruck* druck : std::initializer_list<TVtDruck*>{
             &geringfuegig, &steuerklassen, &estVergleich, &lohnVergleich, &einkommensteuer})
        EXPECT_EQ(ZweiKopienAlsPdf(*druck), 2);
}

} // namespace
