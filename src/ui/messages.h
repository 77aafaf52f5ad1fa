#pragma once

#include <QString>

class QWidget;

namespace quorvel {

// Every notice, error and question the program shows goes through here, so
// tests can see the texts and give the answers.

enum class TMessageKind { Information, Error, Question };
enum class TAnswer { Ok, Yes, No };

struct TMessage {
    TMessageKind kind = TMessageKind::Information;
    QString caption;
    QString text; // as the program writes it, "\r\n" line breaks included
    TAnswer defaultAnswer = TAnswer::Ok; // Yes or No for questions
};

// The caption of notices and errors unless a window gives another.
QString informationCaption();

class TMessages {
public:
    virtual ~TMessages() = default;

    // Shows the message and returns the button pressed (Ok for notices).
    virtual TAnswer show(QWidget* parent, const TMessage& message) = 0;

    // An information box with an OK button.
    void information(QWidget* parent, const QString& text, const QString& caption = informationCaption());
    // A notice that something failed; same box with a warning sign.
    void error(QWidget* parent, const QString& text, const QString& caption = informationCaption());
    // A Yes/No box whose caption names the action. True for Yes.
    bool question(QWidget* parent, const QString& text, const QString& caption,
                  TAnswer defaultAnswer = TAnswer::Yes);
    // The short sound for a click that does nothing.
    virtual void beep();
};

} // namespace quorvel
