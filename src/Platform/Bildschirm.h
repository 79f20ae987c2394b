#pragma once
// Whether a program can show windows: asked before the application object is made, because Qt
// ends the process at once when the window system it is told to use cannot be reached.
//
// No screen: the offscreen and minimal platforms, and a display named by DISPLAY (for the X
// platform, chosen or by default) on which no X server answers.
bool BildschirmErreichbar();
// The offscreen or minimal platform is chosen: windows could be made, but nobody sees them.
bool OhneSichtbarenBildschirm();
