#include "store/ini_document.h"

#include "store/cp1252.h"
#include "store/ini_line.h"

namespace quorvel {

namespace {

bool sameName(QStringView a, QStringView b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QStringView terminatorOf(QStringView line) { return line.sliced(withoutTerminator(line).size()); }

bool isHexDigit(QChar c) { return c.isDigit() || (c.toLower() >= u'a' && c.toLower() <= u'f'); }

} // namespace

TIniDocument TIniDocument::fromBytes(const QByteArray& bytes)
{
    TIniDocument document;
    const QString text = fromCp1252(bytes);
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype newline = text.indexOf(u'\n', start);
        const qsizetype end = newline < 0 ? text.size() : newline + 1;
        document.lines_.append(text.sliced(start, end - start));
        start = end;
    }
    return document;
}

QByteArray TIniDocument::toBytes() const
{
    // Every line came from bytes or passed the encoding check on the way in.
    return toCp1252(lines_.join(QString())).bytes;
}

std::optional<QString> TIniDocument::value(QStringView section, QStringView key) const
{
    const qsizetype header = findSection(section);
    const qsizetype line = header < 0 ? -1 : findKey(header, key);
    if (line < 0)
        return std::nullopt;
    return parseIniLine(lines_[line]).value;
}

QStringList TIniDocument::keys(QStringView section) const
{
    QStringList names;
    const qsizetype header = findSection(section);
    if (header < 0)
        return names;
    for (qsizetype i = header + 1; i < sectionEnd(header); ++i) {
        const TIniLine line = parseIniLine(lines_[i]);
        if (line.kind == TIniLine::Kind::Key && !names.contains(line.name, Qt::CaseInsensitive))
            names.append(line.name);
    }
    return names;
}

QStringList TIniDocument::sections() const
{
    QStringList names;
    for (const QString& text : lines_) {
        const TIniLine line = parseIniLine(text);
        if (line.kind == TIniLine::Kind::Section && !names.contains(line.name, Qt::CaseInsensitive))
            names.append(line.name);
    }
    return names;
}

bool TIniDocument::setValue(const TIniEntry& entry, QString* error)
{
    if (const std::optional<QString> reason = refusal(entry)) {
        if (error)
            *error = *reason;
        return false;
    }
    const QString keyLine = entry.key + u'=' + entry.value;
    const qsizetype header = findSection(entry.section);
    if (header < 0) {
        insertLine(lines_.size(), u'[' + entry.section + u']');
        insertLine(lines_.size(), keyLine);
        return true;
    }
    const qsizetype line = findKey(header, entry.key);
    if (line < 0) {
        insertLine(lastContentLine(header) + 1, keyLine);
        return true;
    }
    // Keep the key as the file spells it and the line's own ending.
    const QString terminator = terminatorOf(lines_[line]).toString();
    lines_[line] = parseIniLine(lines_[line]).name + u'=' + entry.value + terminator;
    return true;
}

std::optional<QString> TIniDocument::refusal(const TIniEntry& entry)
{
    const auto hasLineBreak = [](const QString& text) {
        return text.contains(u'\n') || text.contains(u'\r');
    };
    if (hasLineBreak(entry.section) || hasLineBreak(entry.key) || hasLineBreak(entry.value))
        return QStringLiteral("A setting cannot contain a line break.");
    if (entry.section.trimmed().isEmpty() || entry.section.contains(u']'))
        return QStringLiteral("\"%1\" is not a usable settings section name.").arg(entry.section);
    if (entry.key.trimmed().isEmpty() || entry.key.contains(u'=') || entry.key.trimmed().startsWith(u'[')
        || entry.key.trimmed().startsWith(u';'))
        return QStringLiteral("\"%1\" is not a usable settings key name.").arg(entry.key);
    for (const QString* text : {&entry.section, &entry.key, &entry.value}) {
        const TCp1252Encoding encoded = toCp1252(*text);
        if (!encoded.ok())
            return encoded.message;
    }
    return std::nullopt;
}

qsizetype TIniDocument::findSection(QStringView section) const
{
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const TIniLine line = parseIniLine(lines_[i]);
        if (line.kind == TIniLine::Kind::Section && sameName(line.name, section.trimmed()))
            return i;
    }
    return -1;
}

qsizetype TIniDocument::sectionEnd(qsizetype header) const
{
    for (qsizetype i = header + 1; i < lines_.size(); ++i) {
        if (parseIniLine(lines_[i]).kind == TIniLine::Kind::Section)
            return i;
    }
    return lines_.size();
}

qsizetype TIniDocument::findKey(qsizetype header, QStringView key) const
{
    for (qsizetype i = header + 1; i < sectionEnd(header); ++i) {
        const TIniLine line = parseIniLine(lines_[i]);
        if (line.kind == TIniLine::Kind::Key && sameName(line.name, key.trimmed()))
            return i;
    }
    return -1;
}

qsizetype TIniDocument::lastContentLine(qsizetype header) const
{
    qsizetype last = header;
    for (qsizetype i = header + 1; i < sectionEnd(header); ++i) {
        if (parseIniLine(lines_[i]).kind != TIniLine::Kind::Blank)
            last = i;
    }
    return last;
}

void TIniDocument::insertLine(qsizetype position, const QString& text)
{
    const QString ending = newline();
    if (position > 0 && terminatorOf(lines_[position - 1]).isEmpty())
        lines_[position - 1] += ending;
    lines_.insert(position, text + ending);
}

QString TIniDocument::newline() const
{
    // New lines follow the file's own habit; a new file gets the ending
    // that every program reading such files understands.
    bool sawLineFeedOnly = false;
    for (const QString& line : lines_) {
        if (line.endsWith(QStringLiteral("\r\n")))
            return QStringLiteral("\r\n");
        sawLineFeedOnly = sawLineFeedOnly || line.endsWith(u'\n');
    }
    return sawLineFeedOnly ? QStringLiteral("\n") : QStringLiteral("\r\n");
}

std::optional<int> parseIniInteger(QStringView text)
{
    text = text.trimmed();
    bool ok = false;
    if (text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) {
        const QStringView digits = text.sliced(2);
        if (digits.isEmpty() || !isHexDigit(digits.front()))
            return std::nullopt;
        // Colours and flags are written as full 32-bit patterns.
        const uint value = digits.toUInt(&ok, 16);
        return ok ? std::optional<int>(static_cast<int>(value)) : std::nullopt;
    }
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace quorvel
