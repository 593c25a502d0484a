#pragma once

class QMenuBar;

// Shows the tooltip of a menu bar's command while the mouse rests on it, also when the
// command is disabled, so that the tooltip can say why; a menu bar shows none by itself.
void showMenuBarToolTips(QMenuBar* menuBar);
