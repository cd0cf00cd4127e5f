#include "app/notice_window.h"

#include "ui/gbk_qt.h"
#include "ui_notice_window.h"

namespace verdomo {

NoticeWindow::NoticeWindow(std::string_view gbkNotice, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::NoticeWindow>()) {
  ui_->setupUi(this);
  ui_->编辑框1->setPlainText(fromGbk(gbkNotice));
}

NoticeWindow::~NoticeWindow() = default;

}  // namespace verdomo
