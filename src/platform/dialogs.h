#pragma once
// Every modal box the program shows goes through this facade, so that tests
// can answer it by script and see exactly what was shown.

#include <QList>
#include <QString>
#include <optional>

class QWidget;

namespace kelvo {

inline const QString kAppTitle = QStringLiteral("Kelvo Wizard");

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Information, Warning };
enum class MessageAnswer { Ok, Yes, No };

class Dialogs {
public:
  virtual ~Dialogs() = default;
  // A modal message box; closing it in any other way answers Ok (or No).
  virtual MessageAnswer message(const QString &text, const QString &title = kAppTitle,
                                MessageButtons buttons = MessageButtons::Ok,
                                MessageIcon icon = MessageIcon::None) = 0;
  // A modal input box; returns the typed text, or an empty text on cancel.
  virtual QString input(const QString &prompt, const QString &defaultText,
                        const QString &title = kAppTitle) = 0;
};

// The real boxes, owned by the main window.
class QtDialogs final : public Dialogs {
public:
  explicit QtDialogs(QWidget *parent = nullptr) : parent_(parent) {}
  void setParent(QWidget *parent) { parent_ = parent; }
  MessageAnswer message(const QString &text, const QString &title, MessageButtons buttons,
                        MessageIcon icon) override;
  QString input(const QString &prompt, const QString &defaultText, const QString &title) override;

private:
  QWidget *parent_;
};

// Answers from a queue and records every box, for tests.
class ScriptedDialogs final : public Dialogs {
public:
  struct Shown {
    enum Kind { Message, Input } kind;
    QString text;     // message text or input prompt
    QString title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    QString defaultText; // input boxes only
    bool operator==(const Shown &) const = default;
  };

  // Next answers; when the queue is empty a message answers Ok (No for
  // Yes/No) and an input box is cancelled.
  void answer(MessageAnswer a) { answers_.append(a); }
  void type(const QString &text) { inputs_.append(text); }
  void cancelInput() { inputs_.append(std::nullopt); }

  QList<Shown> shown;
  QStringList texts() const; // the texts (or prompts) shown, in order
  void clear() { shown.clear(); answers_.clear(); inputs_.clear(); }

  MessageAnswer message(const QString &text, const QString &title, MessageButtons buttons,
                        MessageIcon icon) override;
  QString input(const QString &prompt, const QString &defaultText, const QString &title) override;

private:
  QList<MessageAnswer> answers_;
  QList<std::optional<QString>> inputs_;
};

} // namespace kelvo
