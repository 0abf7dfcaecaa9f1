// The program's own start-up, as src/main.cpp has it, ending at the main form's first paint: the
// application object, the form read from its layout and scaled for the screen, OnShow filling
// both charts, the window shown and painted, then the same exit as after closing it.
#include "FirstPaint.h"
#include "Unit1.h"
#include "gui/Application.h"
#include "gui/ProgramStartup.h"

int main(int argc, char* argv[]) {
    return RunProgram(argc, argv, [] {
        Application->Initialize();
        Application->SetMainFormOnTaskBar(true);
        Application->CreateForm(Form1);
        new QuitAtFirstPaint(Form1, [] { Application->Terminate(); });
        Application->Run();
    });
}
