#pragma once

#include <QString>

#include <exception>
#include <string>

// The texts with which reading and writing design files fail. They reach the
// user unchanged in an error box, so they are kept in one place.
namespace design {

namespace messages {
QString invalidStreamFormat();
QString classNotFound(const QString& className);
QString propertyDoesNotExist();
QString invalidPropertyValue();
QString cannotCreateFile(const QString& path);
QString cannotOpenFile(const QString& path);
QString cannotWriteFile(const QString& path);
QString fileTooLarge(const QString& path);
QString bitmapNotValid();
QString metafileNotValid();
QString iconNotValid();
QString nameTooLong(const QString& name);
QString textNotStorable(const QString& text);
} // namespace messages

// Raised inside the design file code; the filer turns it into a TGFilerStatus
// at its public boundary, so callers never see the exception.
class EDesignFileError : public std::exception {
public:
    explicit EDesignFileError(QString message, qint64 offset = -1);

    const QString& message() const { return message_; }
    // Byte position in the stream where reading failed, -1 when not reading.
    qint64 offset() const { return offset_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    QString message_;
    qint64 offset_;
    std::string utf8_;
};

} // namespace design
