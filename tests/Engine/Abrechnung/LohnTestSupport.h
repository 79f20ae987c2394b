#pragma once
// A payroll statement of its own for each test, and the tariff object fed as a statement feeds
// it, to check the wiring against the tariff.
#include "Engine/Sozialversicherung/Beitragsbemessungsgrenzen.h"
#include "Engine/Sozialversicherung/Beitragssatz.h"
#include "Engine/Lohnsteuer/LStLib.h"
#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Lib/Betrag.h"

#include <gtest/gtest.h>

#include <memory>

class LohnTest : public testing::Test {
protected:
    LohnTest() : lohn(MakeComponent<TLohnBerechnung>(nullptr, "LOHN")), d(lohn->LohnDatenOf()) {}

    // Recalculates without a change, as a refresh of the page does.
    void Neuberechnen()
    {
        d.SetModified(true);
        lohn->Recalculate();
    }

    // The tariff of the statement's year and month with the statement's inputs and the given
    // taxable pay and pension payments (cents).
    std::unique_ptr<TLStTabBase> Tarif(double lohnCent, double versorgungCent = 0) const
    {
        const int jahr = d.Jahr->GetValue();
        const int monat = d.Monat->GetValue();
        auto t = CreateLStTab(static_cast<std::uint16_t>(jahr), static_cast<std::uint16_t>(monat));
        t->SetDoub(ldKurs, 1.0);
        t->SetInt(liSteuerklasse, d.Steuerklasse->GetValue());
        t->SetInt(liZeitraum, d.Zeitraum->GetValue());
        t->SetDoub(ldKinderfreibetraege, StrToBetragFloat(d.Kinderfreibetraege->GetValue()));
        t->SetBool(lbKirchensteuer, d.Kirchensteuersatz->GetValue() > 0);
        t->SetBool(lbKinderlos, d.Kinderlos->GetValue());
        t->SetDoub(ldKVSatz, Beitragssaetze().KVSatzF(jahr, monat));
        t->SetDoub(ldKVZusatzSatz, d.KVZBSatz->GetValue());
        t->SetDoub(ldKVZusatzDurchschnitt, Beitragssaetze().KVSatzZB(jahr, monat));
        t->SetDoub(ldPVSatz, d.PVSatz->GetValue());
        t->SetDoub(ldPVKinderlosSatz, d.PVKLSatz->GetValue());
        t->SetDoub(ldRVSatz, d.RVSatz->GetValue());
        t->SetDoub(ldAVSatz, d.AVSatz->GetValue());
        t->SetDoub(ldBBGRV, Beitragsbemessungsgrenzen().BBGRVJahr(jahr, monat, false, false));
        t->SetDoub(ldBBGKV, Beitragsbemessungsgrenzen().BBGKVJahr(jahr, monat, false));
        t->SetInt(liPVKinder, d.PVA());
        t->SetInt(liKVArt, d.PKV());
        t->SetInt(liRVArt, d.KRV());
        t->SetInt(liKeineAV, d.ALV());
        t->SetInt(liVersBeginn, d.Versorgungsbeginn->GetValue());
        t->SetInt(liVersMonate, d.MonateVersBez->GetValue());
        const TDatum geburt = d.Geburtsdatum->GetValue();
        t->SetGeburtsdatum({geburt.Tag, geburt.Monat, geburt.Jahr});
        t->SetBool(lbAltersentlastung, d.Alter1() == 1);
        t->SetCurr(lcLohn, lohnCent);
        t->SetCurr(lcVersBezug, versorgungCent);
        return t;
    }

    std::unique_ptr<TLohnBerechnung> lohn;
    TLohnDaten& d;
};
