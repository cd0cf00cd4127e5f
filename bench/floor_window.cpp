// The floor the client's start and memory are measured against: the least a Qt Widgets program
// with a small sign-in-like window and Chinese text costs on this machine. Nothing of the
// client is linked in.
#include <QApplication>
#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QDialog window;
  window.setWindowTitle("基准窗口");
  auto* layout = new QFormLayout(&window);
  auto* user = new QLineEdit(&window);
  auto* password = new QLineEdit(&window);
  password->setEchoMode(QLineEdit::Password);
  auto* userLabel = new QLabel("用户名：", &window);
  auto* passwordLabel = new QLabel("密码：", &window);
  userLabel->setBuddy(user);
  passwordLabel->setBuddy(password);
  layout->addRow(userLabel, user);
  layout->addRow(passwordLabel, password);
  layout->addRow(new QLabel("欢迎使用，请登录", &window));
  layout->addRow(new QPushButton("登录", &window));
  window.resize(360, 300);
  window.show();
  return application.exec();
}
