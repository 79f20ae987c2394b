#pragma once
// Linux stand-ins for the Windows services. Headers that name no class of their own:
//
//   Autostart.h    TAutostartLink, the tray launcher's autostart entry
//   Bildschirm.h   BildschirmErreichbar: whether a program can show windows at all
//   ProzessStart.h ProgrammStarten: another program of the system started detached
