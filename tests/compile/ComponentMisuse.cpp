// Misuses of the component layer that must not compile, each switched on by one definition. With
// none defined the source compiles, so a build that fails fails for the misuse's line alone.
#include "gui/Form.h"
#include "gui/Label.h"

class TNamedLabel : public TLabel {
    SD_COMPONENT_CLASS(TNamedLabel)
public:
    using TLabel::TLabel;
};

// Forgets SD_COMPONENT_CLASS: it would answer to "TLabel", and a layout would make a TLabel of it.
class TForgetfulLabel : public TLabel {
public:
    using TLabel::TLabel;
};

class TMisuseForm : public TForm {
    SD_COMPONENT_CLASS(TMisuseForm)
public:
    using TForm::TForm;
    TNamedLabel* Named = nullptr;
    TForgetfulLabel* Forgetful = nullptr;
};

void PlaceALabel(TWinControl& parent, TNamedLabel& label) {
    TPublishedTable table(QStringLiteral("TMisuseForm"));
#ifdef SD_MISUSE_FORGOTTEN_CLASS_NAME
    table.Field("Forgetful", &TMisuseForm::Forgetful);
#else
    table.Field("Named", &TMisuseForm::Named);
#endif
#ifdef SD_MISUSE_QT_SET_PARENT
    label.setParent(&parent);
#else
    label.SetParent(&parent);
#endif
}
