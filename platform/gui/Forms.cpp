#include "gui/Forms.h"

#include "gui/Graphics.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

TApplication* Application = nullptr;

TScreenMetrics TScreenMetrics::Current() {
    TScreenMetrics metrics;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        metrics.pixelsPerInch = qRound(screen->logicalDotsPerInchY());
    metrics.measureZero = &TScreenMetrics::MeasureZero;
    return metrics;
}

int TScreenMetrics::MeasureZero(const QFont& font) {
    // A line's height is its ascent and descent, each rounded to whole pixels.
    const QFontMetricsF metrics(font);
    return qRound(metrics.ascent()) + qRound(metrics.descent());
}

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

void TForm::SetProperty(const QString& name, const TLayoutValue& value) {
    if (name == QLatin1String("Left") || name == QLatin1String("Top")) {
        // The window system places a new window; the layout's position is not used for it.
        value.AsInt(name);
    } else if (name == QLatin1String("Caption")) {
        SetCaption(value.AsString(name));
    } else if (name == QLatin1String("ClientWidth") || name == QLatin1String("Width")) {
        // The frame is the window system's, so an outer size can only stand for the client area.
        SetClientWidth(value.AsInt(name));
    } else if (name == QLatin1String("ClientHeight") || name == QLatin1String("Height")) {
        SetClientHeight(value.AsInt(name));
    } else if (name == QLatin1String("Color") || name == QLatin1String("Font.Color")) {
        const QColor color = ColorToQColor(LayoutColor(name, value));
        QPalette palette = this->palette();
        if (name == QLatin1String("Color")) {
            palette.setColor(QPalette::Window, color);
            setAutoFillBackground(true);
        } else {
            palette.setColor(QPalette::WindowText, color);
        }
        setPalette(palette);
    } else if (name == QLatin1String("Font.Charset")) {
        value.AsIdent(name); // the platform chooses the character set from the system's locale
    } else if (name == QLatin1String("Font.Height")) {
        fontHeight_ = value.AsInt(name);
        ApplyFont();
    } else if (name == QLatin1String("Font.Name")) {
        fontName_ = value.AsString(name);
        ApplyFont();
    } else if (name == QLatin1String("Font.Style")) {
        fontStyle_ = value.AsSet(name);
        ApplyFont();
    } else if (name == QLatin1String("OldCreateOrder")) {
        value.AsBool(name); // no creation or destruction handler is connected
    } else if (name == QLatin1String("PixelsPerInch")) {
        pixelsPerInch_ = value.AsInt(name);
    } else if (name == QLatin1String("TextHeight")) {
        textHeight_ = value.AsInt(name);
    } else if (name == QLatin1String("Scaled")) {
        scaled_ = value.AsBool(name);
    } else {
        TWinControl::SetProperty(name, value);
    }
}

void TForm::SetEvent(const QString& name, const TNotifyEvent& handler) {
    if (name == QLatin1String("OnShow"))
        OnShow = handler;
    else
        TWinControl::SetEvent(name, handler);
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

namespace {

QString TitleFromExecutable() {
    if (QCoreApplication::instance() == nullptr)
        return {};
    QString name = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    if (name.size() > 1)
        name = name.left(1) + name.mid(1).toLower();
    return name;
}

} // namespace

TApplication::TApplication(TComponent* AOwner)
    : TComponent(AOwner), title_(TitleFromExecutable()) {}

void TApplication::AddForm(TForm* form) {
    if (mainForm_ == nullptr)
        mainForm_ = form;
    form->winId(); // the window exists from here on, still hidden
}

void TApplication::RemoveForm(TForm* form) {
    if (mainForm_ == form)
        mainForm_ = nullptr;
}

void TApplication::Run() {
    if (mainForm_ != nullptr && showMainForm_)
        mainForm_->show();
    if (!terminated_)
        QApplication::exec();
}

void TApplication::Terminate() {
    terminated_ = true;
    QCoreApplication::quit();
}

void TApplication::Dispatch(const TNotifyEvent& handler, TObject* Sender) {
    if (!handler)
        return;
    try {
        handler(Sender);
    } catch (...) {
        HandleException(Sender);
    }
}

void TApplication::HandleException(TObject* Sender) {
    const auto Report = [&](const Exception& e) {
        if (OnException)
            OnException(Sender, e);
        else
            ShowException(e);
    };
    try {
        try {
            throw;
        } catch (const Exception& e) {
            Report(e);
        } catch (const std::exception& e) {
            Report(Exception(QString::fromLocal8Bit(e.what())));
        } catch (...) {
            Report(Exception(QStringLiteral("Unknown exception")));
        }
    } catch (...) {
        // Nothing may leave the report: the event loop must go on.
        std::fputs("An exception could not be reported.\n", stderr);
    }
}

void TApplication::ShowException(const Exception& E) {
    QString text = E.Message();
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    QMessageBox box(QMessageBox::Critical, title_, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

namespace {

void ReportStartupError(const QString& className, const QString& message) {
    const QString text =
        QStringLiteral("Exception %1 in module %2: %3.")
            .arg(className, QFileInfo(QCoreApplication::applicationFilePath()).fileName(), message);
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal")) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok);
        box.exec();
    }
}

// The sizes a title bar and a task bar show; the largest image of the icon is for file managers
// and costs a noticeable part of start-up to decode.
QIcon WindowIcon(const QString& resource) {
    QIcon icon;
    QImageReader reader(resource);
    for (int i = 0; i < reader.imageCount(); ++i) {
        if (!reader.jumpToImage(i))
            break;
        const QSize size = reader.size();
        if (size.isValid() && size.width() > 48)
            continue;
        if (const QImage image = reader.read(); !image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace

int RunProgram(int& argc, char** argv, const std::function<void()>& mainBlock,
               const TStartupErrorReport& report) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(WindowIcon(QStringLiteral(":/MAINICON")));
    TApplication application(nullptr);
    Application = &application;
    int exitCode = 0;
    const TStartupErrorReport& reportError = report ? report : ReportStartupError;
    try {
        mainBlock();
    } catch (const Exception& e) {
        reportError(e.ClassName(), e.Message());
        exitCode = 1;
    } catch (const std::exception& e) {
        reportError(QStringLiteral("Exception"), QString::fromLocal8Bit(e.what()));
        exitCode = 1;
    }
    // The exit procedure: the form and all it owns go, and with them the window.
    application.DestroyComponents();
    Application = nullptr;
    return exitCode;
}
