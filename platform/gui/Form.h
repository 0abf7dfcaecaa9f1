#pragma once
// A form: the top-level window of a layout, with its caption, client size, font and resolution
// scaling, and the OnShow event.

#include "gui/Control.h"
#include "gui/ResolutionScaling.h"
#include "layout/PublishedTable.h"
#include "runtime/Colour.h"

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

    const TPropertyTable& PublishedProperties() const override;

    // Resolution scaling, run once after the layout has been read.
    void ScaleForScreen(const TScreenMetrics& screen);

    void setVisible(bool visible) override; // raises OnShow on the change from hidden to shown

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ApplyFont();
    void SetPaletteColor(QPalette::ColorRole role, TColor color);
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
