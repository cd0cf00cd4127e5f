#pragma once
// The Dialogs service of the GUI tests: records every message and prompt and answers prompts
// from a queue the test fills beforehand. A prompt with no answer queued fails the test.

#include <QString>
#include <deque>
#include <vector>

#include "ui/dialogs.h"

namespace verdomo::test {

struct ShownDialog {
  QString text;
  QString caption;
  MessageIcon icon = MessageIcon::Question;
  bool isPrompt = false;
  ConfirmButtons buttons = ConfirmButtons::YesNo;  // of a prompt
};

class RecordingDialogs final : public Dialogs {
 public:
  void message(QWidget* parent, const QString& text, const QString& caption,
               MessageIcon icon) override;
  bool confirm(QWidget* parent, const QString& text, const QString& caption, ConfirmButtons buttons,
               MessageIcon icon) override;

  void queueAnswer(bool answer) { answers_.push_back(answer); }
  const std::vector<ShownDialog>& shown() const { return shown_; }
  // The texts shown, in order.
  std::vector<QString> texts() const;
  // Forgets what was shown, for the next case of a table.
  void clear() { shown_.clear(); }

 private:
  std::vector<ShownDialog> shown_;
  std::deque<bool> answers_;
};

}  // namespace verdomo::test
