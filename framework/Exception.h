#pragma once
// The one base exception of the program: it carries the message text that the default error
// display shows.
#include <QByteArray>
#include <QString>
#include <exception>

class Exception : public std::exception {
public:
    explicit Exception(QString message);

    const QString& Message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

// A text that does not convert to the value asked for (integers, colours, enumeration names).
class EConvertError : public Exception {
public:
    using Exception::Exception;
};
