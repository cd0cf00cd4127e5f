#include "support/recording_dialogs.h"

#include <gtest/gtest.h>

namespace verdomo::test {

void RecordingDialogs::message(QWidget*, const QString& text, const QString& caption,
                               MessageIcon icon) {
  shown_.push_back({text, caption, icon, false});
}

bool RecordingDialogs::confirm(QWidget*, const QString& text, const QString& caption,
                               ConfirmButtons buttons, MessageIcon icon) {
  shown_.push_back({text, caption, icon, true, buttons});
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected prompt: " << text.toStdString();
    return false;
  }
  const bool answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::vector<QString> RecordingDialogs::texts() const {
  std::vector<QString> texts;
  for (const ShownDialog& dialog : shown_)
    texts.push_back(dialog.text);
  return texts;
}

}  // namespace verdomo::test
