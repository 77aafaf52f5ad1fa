#include "design/file/design_error.h"

namespace design {

namespace messages {

QString invalidStreamFormat() { return QStringLiteral("Invalid stream format"); }
QString classNotFound(const QString& className) { return QStringLiteral("Class %1 not found").arg(className); }
QString propertyDoesNotExist() { return QStringLiteral("Property does not exist"); }
QString invalidPropertyValue() { return QStringLiteral("Invalid property value"); }
QString cannotCreateFile(const QString& path) { return QStringLiteral("Cannot create file %1").arg(path); }
QString cannotOpenFile(const QString& path) { return QStringLiteral("Cannot open file %1").arg(path); }
QString cannotWriteFile(const QString& path) { return QStringLiteral("Cannot write file %1").arg(path); }
QString fileTooLarge(const QString& path)
{
    return QStringLiteral("The file %1 is too large to be a design file").arg(path);
}
QString bitmapNotValid() { return QStringLiteral("Bitmap image is not valid"); }
QString metafileNotValid() { return QStringLiteral("Metafile is not valid"); }
QString iconNotValid() { return QStringLiteral("Icon image is not valid"); }
QString nameTooLong(const QString& name)
{
    return QStringLiteral("The name %1 is longer than 255 characters").arg(name);
}
QString textNotStorable(const QString& text)
{
    return QStringLiteral("The text \"%1\" holds a character that cannot be stored in a design file").arg(text);
}

} // namespace messages

EDesignFileError::EDesignFileError(QString message, qint64 offset)
    : message_(std::move(message)), offset_(offset), utf8_(message_.toStdString())
{
}

} // namespace design
