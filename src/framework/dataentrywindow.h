#pragma once

class QDialog;

// Makes a dialog a data-entry window: none of its buttons is a default button, so Enter in a
// box only ends the edit there and never presses a button behind the user's back; Enter on
// a focused button presses that button, as Space does.
void makeDataEntryWindow(QDialog* window);
