#pragma once
// The tray launcher VtrlTray (LStTabTrayIconApplication.h). A header that names no class of its
// own:
//
//   VtrlTray.h  the program block: VtrlTrayAusfuehren, and TrayLauncherSchliessen for "/x"
