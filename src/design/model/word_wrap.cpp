#include "design/model/word_wrap.h"

namespace design {

namespace {

class TLineWrapper {
public:
    TLineWrapper(int width, const std::function<int(const QString&)>& textWidth, QStringList& out)
        : width_(width), textWidth_(textWidth), out_(out)
    {
    }

    void Wrap(const QString& line)
    {
        current_.clear();
        started_ = false;
        for (const QString& word : line.split(QLatin1Char(' ')))
            Add(word);
        out_.append(current_);
    }

private:
    bool Fits(const QString& text) const { return textWidth_(text) <= width_; }

    void Add(QString word)
    {
        const QString candidate = started_ ? current_ + QLatin1Char(' ') + word : word;
        if (Fits(candidate)) {
            current_ = candidate;
            started_ = true;
            return;
        }
        if (started_)
            out_.append(current_);
        // The word starts a line of its own; one too wide for any line is
        // cut into pieces that fit (at least one character each).
        while (word.size() > 1 && !Fits(word)) {
            qsizetype length = word.size() - 1;
            while (length > 1 && !Fits(word.left(length)))
                --length;
            out_.append(word.left(length));
            word = word.mid(length);
        }
        current_ = word;
        started_ = true;
    }

    int width_;
    const std::function<int(const QString&)>& textWidth_;
    QStringList& out_;
    QString current_;
    bool started_ = false;
};

} // namespace

QStringList WrapLines(const QStringList& lines, int width, const std::function<int(const QString&)>& textWidth)
{
    QStringList wrapped;
    TLineWrapper wrapper(width, textWidth, wrapped);
    for (const QString& line : lines)
        wrapper.Wrap(line);
    return wrapped;
}

} // namespace design
