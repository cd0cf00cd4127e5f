#pragma once
// The client notice, shown after an accepted sign-in.

#include <QDialog>
#include <memory>
#include <string_view>

namespace Ui {
class NoticeWindow;
}

namespace verdomo {

class NoticeWindow : public QDialog {
  Q_OBJECT

 public:
  NoticeWindow(std::string_view gbkNotice, QWidget* parent);
  ~NoticeWindow() override;

 private:
  std::unique_ptr<Ui::NoticeWindow> ui_;
};

}  // namespace verdomo
