#include "gui/Form.h"

#include "components/PublishedProperties.h"
#include "gui/Application.h"
#include "gui/SystemColours.h"
#include "layout/LayoutReader.h"

#include <QCloseEvent>
#include <algorithm>
#include <cstdlib>

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner) {
    setAttribute(Qt::WA_DeleteOnClose, false);
}

TForm::~TForm() {
    DestroyComponents();
    if (Application != nullptr)
        Application->RemoveForm(this);
}

void TForm::SetClientWidth(int width) {
    clientWidth_ = width;
    resize(width, height());
}

void TForm::SetClientHeight(int height) {
    clientHeight_ = height;
    resize(width(), height);
}

void TForm::Close() {
    close();
}

void TForm::ApplyFont() {
    QFont font = this->font();
    if (!fontName_.isEmpty())
        font.setFamily(fontName_);
    if (fontHeight_ != 0)
        font.setPixelSize(std::abs(fontHeight_));
    font.setBold(fontStyle_.contains(QLatin1String("fsBold")));
    font.setItalic(fontStyle_.contains(QLatin1String("fsItalic")));
    font.setUnderline(fontStyle_.contains(QLatin1String("fsUnderline")));
    font.setStrikeOut(fontStyle_.contains(QLatin1String("fsStrikeOut")));
    setFont(font);
}

void TForm::SetPaletteColor(QPalette::ColorRole role, TColor color) {
    QPalette palette = this->palette();
    palette.setColor(role, ColorToQColor(color));
    if (role == QPalette::Window)
        setAutoFillBackground(true);
    setPalette(palette);
}

const TPropertyTable& TForm::PublishedProperties() const {
    static const TPropertyTable table =
        TClassProperties<TForm>(TWinControl::PublishedProperties())
            .String("Caption", &TForm::SetCaption)
            // The frame is the window system's, so an outer size can only stand for the client
            // area.
            .Integer("ClientWidth", &TForm::SetClientWidth)
            .Integer("Width", &TForm::SetClientWidth)
            .Integer("ClientHeight", &TForm::SetClientHeight)
            .Integer("Height", &TForm::SetClientHeight)
            .Colour("Color", [](TForm& form,
                                TColor color) { form.SetPaletteColor(QPalette::Window, color); })
            .Colour("Font.Color",
                    [](TForm& form, TColor color) {
                        form.SetPaletteColor(QPalette::WindowText, color);
                    })
            .Integer("Font.Height",
                     [](TForm& form, int height) {
                         form.fontHeight_ = height;
                         form.ApplyFont();
                     })
            .String("Font.Name",
                    [](TForm& form, const QString& name) {
                        form.fontName_ = name;
                        form.ApplyFont();
                    })
            .Set("Font.Style",
                 [](TForm& form, const QStringList& style) {
                     form.fontStyle_ = style;
                     form.ApplyFont();
                 })
            .Integer("PixelsPerInch", [](TForm& form, int ppi) { form.pixelsPerInch_ = ppi; })
            .Integer("TextHeight", [](TForm& form, int height) { form.textHeight_ = height; })
            .Boolean("Scaled", [](TForm& form, bool on) { form.scaled_ = on; })
            .Event("OnShow", &TForm::OnShow);
    return table;
}

void TForm::ScaleForScreen(const TScreenMetrics& screen) {
    if (scaled_ && textHeight_ >= 1) {
        if (screen.pixelsPerInch != pixelsPerInch_) {
            fontHeight_ = MulDiv(fontHeight_, screen.pixelsPerInch, pixelsPerInch_);
            ApplyFont();
        }
        pixelsPerInch_ = screen.pixelsPerInch;
        const int h = screen.measureZero ? screen.measureZero(font()) : textHeight_;
        if (h != textHeight_ && h > 0) {
            clientWidth_ = MulDiv(clientWidth_, h, textHeight_);
            clientHeight_ = MulDiv(clientHeight_, h, textHeight_);
            for (int i = 0; i < ControlCount(); ++i)
                Controls(i)->ScaleBy(h, textHeight_);
            textHeight_ = h;
        }
    }
    resize(clientWidth_, clientHeight_);
}

void TForm::ApplyTabOrder() {
    // Qt's focus chain follows the order in which widgets were made; the layout's TabOrder ranks
    // the siblings within each parent instead.
    std::vector<TControl*> chain;
    std::function<void(TWinControl*)> collect = [&](TWinControl* parent) {
        std::vector<TControl*> children;
        for (int i = 0; i < parent->ControlCount(); ++i)
            children.push_back(parent->Controls(i));
        std::stable_sort(children.begin(), children.end(),
                         [](TControl* a, TControl* b) { return a->TabOrder() < b->TabOrder(); });
        for (TControl* child : children) {
            if (child->TabStop())
                chain.push_back(child);
            if (auto* windowed = dynamic_cast<TWinControl*>(child))
                collect(windowed);
        }
    };
    collect(this);
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void TForm::setVisible(bool visible) {
    if (visible && !isVisible() && OnShow && Application != nullptr)
        Application->Dispatch(OnShow, this);
    TWinControl::setVisible(visible);
}

void TForm::closeEvent(QCloseEvent* event) {
    if (Application != nullptr && Application->MainForm() == this) {
        // The main form stays on screen until the application destroys it after the loop ends.
        event->ignore();
        Application->Terminate();
        return;
    }
    TWinControl::closeEvent(event);
}

void TForm::ReadLayout(const TPublishedTable& table, const TScreenMetrics& screen) {
    const std::vector<TComponent*> created = ReadFormLayout(*this, table);
    ScaleForScreen(screen);
    for (TComponent* component : created)
        component->Loaded();
    ApplyTabOrder();
}
