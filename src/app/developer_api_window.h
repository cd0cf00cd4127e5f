#pragma once
// The document of the platform's interface for the users' own programs, with our server's
// address in every call template. Not modal: each opening is a window of its own.

#include <QWidget>
#include <memory>
#include <string_view>

namespace Ui {
class DeveloperApiWindow;
}

namespace verdomo {

class DeveloperApiWindow : public QWidget {
  Q_OBJECT

 public:
  explicit DeveloperApiWindow(std::string_view gbkServerHost, QWidget* parent = nullptr);
  ~DeveloperApiWindow() override;

 private:
  std::unique_ptr<Ui::DeveloperApiWindow> ui_;
};

}  // namespace verdomo
