#pragma once
// A label: one line of text in its parent's font.

#include "gui/Control.h"

class TLabel : public TControl {
    Q_OBJECT
    SD_COMPONENT_CLASS(TLabel)
public:
    explicit TLabel(TComponent* AOwner);
    Q_DISABLE_COPY_MOVE(TLabel)

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption); // the same text again changes nothing
    // On (the default), the label takes the size of its caption, keeping its left and top.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);

    // How many times the caption has been measured for AutoSize.
    int MeasureCount() const { return measureCount_; }

    void SetParent(TWinControl* parent) override; // the parent's font may change the size
    void ScaleBy(int M, int D) override;          // the size stays the caption's
    const TPropertyTable& PublishedProperties() const override;
    void Loaded() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void AdjustBounds();

    QString caption_;
    bool autoSize_ = true;
    int measureCount_ = 0;
};
