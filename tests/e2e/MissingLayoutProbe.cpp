// The program's start-up with a form class whose layout is not in the executable: the report
// names the exception's class and message, no window is shown and the exit code is 1.
#include "gui/Application.h"
#include "gui/ProgramStartup.h"

namespace {

class TFormWithoutLayout : public TForm {
    SD_COMPONENT_CLASS(TFormWithoutLayout)
public:
    using TForm::TForm;
    const TPublishedTable* Published() const override {
        static const TPublishedTable table(QStringLiteral("TFormWithoutLayout"));
        return &table;
    }
};

TFormWithoutLayout* Form = nullptr;

} // namespace

int main(int argc, char* argv[]) {
    return RunProgram(argc, argv, [] {
        Application->Initialize();
        Application->SetMainFormOnTaskBar(true);
        Application->CreateForm(Form);
        Application->Run();
    });
}
