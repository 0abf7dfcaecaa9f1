#pragma once
// The application object: creating the main form from its layout, showing it, the message loop,
// and the report of exceptions that leave the program's event handlers.

#include "gui/Form.h"
#include "runtime/Exceptions.h"

#include <functional>
#include <new>

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

    // Shows the main form (its OnShow runs first) and dispatches messages until Terminate. The end
    // of the session (SIGTERM, SIGHUP, SIGINT) meanwhile terminates as closing the main form does.
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
    static_assert(DeclaresClassName<T>,
                  "a component class must declare its class name with SD_COMPONENT_CLASS");
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
