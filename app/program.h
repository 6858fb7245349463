#pragma once
// The program's start-up and shutdown sequence.

// Before the QApplication exists: share OpenGL contexts between the web views and the
// video and set the default surface format, once.
void PrepareGraphics();

// With the QApplication made: creates the program-wide objects, runs the skin and graphics
// start-up steps, opens MainWindow and runs the event loop until the program is told to
// end; the shutdown sequence runs before it returns 0.
int RunProgram();

class QMessageBox;

// The program's message-box skin: the crystal skin's colour key and colour style 7.
void SkinMessageBox(QMessageBox &box);

// The shutdown sequence: releases the program-wide objects in their fixed order. Runs once,
// however the event loop was ended.
void OnProcessExit();
