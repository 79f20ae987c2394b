#pragma once
// The form framework (Qt Widgets). Most headers are named after the class they hold; these name
// none of theirs:
//
//   BergForm.h     TBerechnungForm, TBerechnungDialog: forms bound to a calculation; TBindung
//   BetragEdit.h   TBetrag, the amount edit
//   FrmLib.h       placing windows, enabling controls, fonts and waiting (free routines)
//   MVCListe.h     TMVCListBox, TMVCComboBox: the value-bound lists
//   MyControls.h   TMyLabel, TMyButton: label and button with the program's defaults
//   TrayIcon.h     TRxTrayIcon, the icon in the notification area
//   XoApp.h        TXoApplication, the application object
//   XoTimer.h      TXoTimerMngr and TimerMngr(), the process-wide timer
