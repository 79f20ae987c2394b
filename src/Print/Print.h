#pragma once
// The printouts. A printout's header names the printout, not its class:
//
//   EStDruck.h, EStVergleichDruck.h, GfBDruck.h, LohnDru.h, LohnVergleichDruck.h,
//   StKlVergleichDruck.h  one printout each: its TVtDruck... class (paper, PDF, preview) and its
//                         ...AlsText function (the text lines)
//   DruckAusgabe.h        "&Drucken...": the print dialog, the program's printer, text files
//   DruckWerte.h          DruckWert, Anzeige, HatWert: what every printout reads of its data
//                         set
//   VerglDruck.h          TVtDruckVergleich, TVergleichText: the year comparisons' four columns
//   VtPrevw.h             TFoVtPrintPreview, the print preview page
// VtDruck.h holds the base TVtDruck and tells how a printout is written.
