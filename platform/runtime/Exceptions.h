#pragma once
// The exception classes of the run-time layer. Every failure the layer or the program raises is one
// of these; the application object reports them by class name and message.

#include <QByteArray>
#include <QString>
#include <exception>

class Exception : public std::exception {
public:
    explicit Exception(QString message);

    const QString& Message() const noexcept { return message_; }
    virtual QString ClassName() const { return QStringLiteral("Exception"); }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_; // what() must outlive the call, so the UTF-8 text is kept
};

// Text that is not a number of the wanted kind.
class EConvertError : public Exception {
public:
    using Exception::Exception;
    QString ClassName() const override { return QStringLiteral("EConvertError"); }
};

// A resource looked up by name is not in the executable.
class EResNotFound : public Exception {
public:
    using Exception::Exception;
    QString ClassName() const override { return QStringLiteral("EResNotFound"); }
};

// A form layout that names a class, property, component or handler that does not exist.
class EReadError : public Exception {
public:
    using Exception::Exception;
    QString ClassName() const override { return QStringLiteral("EReadError"); }
};
