// The program's start: the application object, the main form from its layout, the message loop.
#include "Unit1.h"
#include "gui/Application.h"
#include "gui/ProgramStartup.h"

int main(int argc, char* argv[]) {
    return RunProgram(argc, argv, [] {
        Application->Initialize();
        Application->SetMainFormOnTaskBar(true);
        Application->CreateForm(Form1);
        Application->Run();
    });
}
