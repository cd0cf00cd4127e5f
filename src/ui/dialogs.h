#pragma once
// Every message and confirmation goes through this service: production shows message boxes,
// tests install a recorder that answers from a script.

#include <QString>
#include <string_view>

class QWidget;

namespace verdomo {

enum class MessageIcon { None, Question, Information, Warning };
enum class ConfirmButtons { YesNo, OkCancel };

inline const QString kDefaultCaption = QStringLiteral("信息：");

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A modal message with an OK button; returns when the user has closed it.
  virtual void message(QWidget* parent, const QString& text, const QString& caption,
                       MessageIcon icon) = 0;
  // A modal question; true for Yes or OK.
  virtual bool confirm(QWidget* parent, const QString& text, const QString& caption,
                       ConfirmButtons buttons, MessageIcon icon = MessageIcon::Question) = 0;

  // The usual message: default caption, question icon. The text is GBK.
  void inform(QWidget* parent, std::string_view gbkText);
};

// Shows every text as plain text: a platform reply such as
// "<html><body>502 Bad Gateway</body></html>" appears as it came, never rendered as markup.
class MessageBoxDialogs final : public Dialogs {
 public:
  void message(QWidget* parent, const QString& text, const QString& caption,
               MessageIcon icon) override;
  bool confirm(QWidget* parent, const QString& text, const QString& caption, ConfirmButtons buttons,
               MessageIcon icon) override;
};

}  // namespace verdomo
