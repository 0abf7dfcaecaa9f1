// The program's main block through RunProgram, with two reports on stderr that an outside script
// can wait for and check: "in loop ..." once the message loop runs (with the window's caption,
// the layout direction and the client size as the window system got them), and "destroyed" when
// the exit procedure destroys the form's components. The process's own command line goes to
// RunProgram as the program's would.
#include "Unit1.h"
#include "gui/Application.h"
#include "gui/ProgramStartup.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace {

// Owned by the form like any of its components, so it goes when the form's components go.
class TDestructionMarker : public TComponent {
    SD_COMPONENT_CLASS(TDestructionMarker)
public:
    using TComponent::TComponent;
    ~TDestructionMarker() override { std::fputs("destroyed\n", stderr); }
};

void ReportInLoop() {
    const QWindow* window = Form1->windowHandle();
    const QString caption = window != nullptr ? window->title() : QStringLiteral("(no window)");
    const bool leftToRight = QGuiApplication::layoutDirection() == Qt::LeftToRight &&
                             Form1->layoutDirection() == Qt::LeftToRight;
    const QSize client = window != nullptr ? window->geometry().size() : QSize();
    std::fprintf(stderr, "in loop: caption \"%s\", %s, client %dx%d, title \"%s\"\n",
                 qPrintable(caption), leftToRight ? "left-to-right" : "right-to-left",
                 client.width(), client.height(), qPrintable(Application->Title()));
}

} // namespace

int main(int argc, char* argv[]) {
    return RunProgram(argc, argv, [] {
        Application->Initialize();
        Application->SetMainFormOnTaskBar(true);
        Application->CreateForm(Form1);
        new TDestructionMarker(Form1);
        QTimer::singleShot(0, Form1, ReportInLoop);
        Application->Run();
    });
}
