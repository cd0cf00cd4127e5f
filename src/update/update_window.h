#pragma once
// The window that downloads and installs a new client. Its design is here; the download, the
// unpacking and the restart come with the self-update work.

#include <QDialog>
#include <memory>

namespace Ui {
class UpdateWindow;
}

namespace verdomo {

class UpdateWindow : public QDialog {
  Q_OBJECT

 public:
  explicit UpdateWindow(QWidget* parent = nullptr);
  ~UpdateWindow() override;

 private:
  std::unique_ptr<Ui::UpdateWindow> ui_;
};

}  // namespace verdomo
