#pragma once
// Forms and the application object: creating the main form from its layout, showing it, the
// message loop, and the report of exceptions that leave the program's event handlers.

#include "gui/Controls.h"
#include "rtl/Exceptions.h"

#include <QFont>
#include <functional>
#include <new>

// What the resolution scaling of a layout asks of the screen: its logical resolution (Qt has
// already applied its own device pixel ratio to it) and the pixel height of the text "0" in a font.
struct TScreenMetrics {
    int pixelsPerInch = 96;
    std::function<int(const QFont&)> measureZero;

    static TScreenMetrics Current();
    static int MeasureZero(const QFont& font); // as the platform measures a line of text
};

class TForm : public TWinControl {
    Q_OBJECT
    SD_COMPONENT_CLASS(TForm)
public:
    explicit TForm(TComponent* AOwner);
    ~TForm() override;

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& caption) { setWindowTitle(caption); }
    int ClientWidth() const { return width(); }
    int ClientHeight() const { return height(); }
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    int PixelsPerInch() const { return pixelsPerInch_; }
    int TextHeight() const { return textHeight_; }
    int FontHeight() const { return fontHeight_; } // negative: character height without leading

    TNotifyEvent OnShow;

    // Asks to close the form: the main form ends the application's message loop.
    void Close();

    // Reads the layout stored under the form class's name and binds it to this form: components
    // created and placed, fields bound, handlers connected, then scaled for `screen`.
    void ReadLayout(const TPublishedTable& table,
                    const TScreenMetrics& screen = TScreenMetrics::Current());

    // The published fields and handlers of the class; forms with a layout override it.
    virtual const TPublishedTable* Published() const { return nullptr; }

    void SetProperty(const QString& name, const TLayoutValue& value) override;
    void SetEvent(const QString& name, const TNotifyEvent& handler) override;

    // Resolution scaling, run once after the layout has been read.
    void ScaleForScreen(const TScreenMetrics& screen);

    void setVisible(bool visible) override; // raises OnShow on the change from hidden to shown

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ApplyFont();
    void ApplyTabOrder();

    int pixelsPerInch_ = 96;
    int textHeight_ = 0;
    int fontHeight_ = 0;
    QString fontName_;
    QStringList fontStyle_;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    bool scaled_ = true;
};

class TApplication : public TComponent {
    SD_COMPONENT_CLASS(TApplication)
public:
    explicit TApplication(TComponent* AOwner);

    void Initialize() {}
    bool MainFormOnTaskBar() const { return mainFormOnTaskBar_; }
    void SetMainFormOnTaskBar(bool on) { mainFormOnTaskBar_ = on; }
    bool ShowMainForm() const { return showMainForm_; }
    TForm* MainForm() const { return mainForm_; }
    bool Terminated() const { return terminated_; }

    // The executable's name without directory, cut at its first ".", lower case after the first
    // letter.
    const QString& Title() const { return title_; }

    // Creates a form of class T owned by the application. `Reference` holds the new object from
    // before its constructor runs; it is null again if construction or the layout fails.
    template <class T> void CreateForm(T*& Reference);

    // Shows the main form (its OnShow runs first) and dispatches messages until Terminate.
    void Run();
    void Terminate();

    // Runs one handler of the program; an exception that leaves it goes to HandleException.
    void Dispatch(const TNotifyEvent& handler, TObject* Sender);

    // Called inside a catch block: hands the current exception to OnException, or shows it.
    void HandleException(TObject* Sender);
    void ShowException(const Exception& E);
    std::function<void(TObject* Sender, const Exception& E)> OnException;

private:
    friend class TForm;
    void AddForm(TForm* form);
    void RemoveForm(TForm* form);

    QString title_;
    TForm* mainForm_ = nullptr;
    bool mainFormOnTaskBar_ = false;
    bool showMainForm_ = true;
    bool terminated_ = false;
};

// The application object, made by the run-time start-up before the main block runs.
extern TApplication* Application;

template <class T> void TApplication::CreateForm(T*& Reference) {
    static_assert(alignof(T) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);
    void* storage = ::operator new(sizeof(T));
    Reference = static_cast<T*>(storage);
    T* form = nullptr;
    try {
        form = ::new (storage) T(this);
    } catch (...) {
        Reference = nullptr;
        ::operator delete(storage);
        throw;
    }
    try {
        if (const TPublishedTable* table = form->Published())
            form->ReadLayout(*table);
    } catch (...) {
        Reference = nullptr;
        delete form;
        throw;
    }
    AddForm(form);
}

// Run-time start-up and end: makes the application object, runs the main block and then destroys
// what the application owns. An exception that leaves the main block is reported (class name and
// message) through `report`, and the exit code is then 1; otherwise it is 0.
using TStartupErrorReport = std::function<void(const QString& className, const QString& message)>;
int RunProgram(int& argc, char** argv, const std::function<void()>& mainBlock,
               const TStartupErrorReport& report = {});
