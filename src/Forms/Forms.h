#pragma once
// The windows of the main program. Most headers are named after the form they hold (TFo...);
// these name none of theirs:
//
//   MainFormTabellen.h           TSeite, TAktion: the main window's page table (kSeiten), menus
//                                and actions (kAktionen)
//   Dialoge/FoStammdaten.h       TFoKassenMenue, TFoWaehrungenMenue, TFoKasse, TFoWaehrung: the
//                                dialogs of the health-insurance funds and currencies
//   Optionen/OptionenSeiten.h    TFoOptionenAllgemein ... TFoOptionenUpdate: the option pages
//   Seiten/SeitenZeilen.h        SeitenGruppe, SeitenGitter, SeitenZeile: the pages' row helpers
//   Seiten/VergleichNachricht.h  TJahresvergleichKnopf, PostVergleichNachricht: the year comparison
//                                between the pages and the main window
//   Start/UpdatePruefung.h       TUpdateLage, UpdateFaellig: the update check at start
