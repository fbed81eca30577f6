// The program's main block: start-up into the main window and the end of the run.
#pragma once

// Registers every form class of the program (the shell's and all pages).
void RegisterProgramForms();
// Start-up: the application title, the main window, the hidden magnifier, the title page, the
// tool bar, the maximised window. Needs the QApplication and the TApplication to exist.
void StartProgram();
// Frees what is left after the message loop: the open page, the magnifier and the main window.
void EndProgram();
